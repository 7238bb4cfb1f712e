#pragma once
// What earlier searches learnt about positions, looked up by hash key: the
// best move, the score and whether it is exact or a bound, and the depth.
// One entry per slot; a deeper bound about the same position is kept.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/Types.h"
#include "engine/Zobrist.h"

namespace engine {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

struct TableEntry {
    std::uint32_t check = 0;  // the key's upper half, to tell positions apart
    Move move = NO_MOVE;
    std::int16_t value = 0;
    std::int8_t depth = 0;
    Bound bound = Bound::None;
};

class TranspositionTable {
public:
    static constexpr std::size_t DEFAULT_MEGABYTES = 16;

    explicit TranspositionTable(std::size_t megabytes = DEFAULT_MEGABYTES);
    void resize(std::size_t megabytes);
    void clear();

    // The entry stored for the key, or nullptr.
    const TableEntry* probe(Key key) const;
    void store(Key key, Move move, Value value, int depth, Bound bound);

private:
    TableEntry& slot(Key key) { return entries_[key & mask_]; }
    std::vector<TableEntry> entries_;
    std::size_t mask_ = 0;
};

// Mate scores are stored relative to the node and read back relative to the root.
Value valueToTable(Value v, int ply);
Value valueFromTable(Value v, int ply);

}  // namespace engine
