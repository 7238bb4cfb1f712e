#pragma once
// The squares a piece could reach from a square by its kind's pattern, each
// line cut after its first occupied square: a superset of the destinations
// 移動チェック allows. Asking 移動チェック about these squares only gives the
// same answers as asking about all 81, at a fraction of the cost, and visiting
// them in the set's order keeps the search's order of candidates.

#include <bit>
#include <cstdint>

#include "com/Squares.h"

namespace com {

// Board squares, visited x outer (1..9), y inner (1..9), like every board scan.
class SquareSet {
public:
    void add(int x, int y) {
        const int i = index(x, y);
        bits[i / 64] |= std::uint64_t{1} << (i % 64);
    }
    bool contains(int x, int y) const {
        const int i = index(x, y);
        return (bits[i / 64] >> (i % 64)) & 1;
    }

    class iterator {
    public:
        iterator(std::uint64_t lowBits, std::uint64_t highBits) : low(lowBits), high(highBits) {}
        Square operator*() const {
            const int i = low ? std::countr_zero(low) : 64 + std::countr_zero(high);
            return {i / 9 + 1, i % 9 + 1};
        }
        iterator& operator++() {
            if (low)
                low &= low - 1;
            else
                high &= high - 1;
            return *this;
        }
        bool operator==(const iterator&) const = default;

    private:
        std::uint64_t low, high;
    };
    iterator begin() const { return {bits[0], bits[1]}; }
    iterator end() const { return {0, 0}; }

private:
    static constexpr int index(int x, int y) { return (x - 1) * 9 + (y - 1); }
    std::uint64_t bits[2]{};
};

// Where the piece `code` standing on (x, y) might move on this board.
SquareSet reachableSquares(const int (&board)[10][10], int x, int y, int code);

}  // namespace com
