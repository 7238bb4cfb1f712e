#include "engine/Perft.h"

#include "engine/Legality.h"

namespace engine {
namespace {

bool endsGame(const Position& pos, Move m) { return kindOf(pos.capturedBy(m)) == KING; }

}  // namespace

std::uint64_t perft(Position& pos, int depth) {
    if (depth <= 0) return 1;
    MoveList list;
    generateLegalMoves(pos, list);
    if (depth == 1) return static_cast<std::uint64_t>(list.size);
    std::uint64_t total = 0;
    for (const Move m : list) {
        if (endsGame(pos, m)) {
            ++total;
            continue;
        }
        pos.makeMove(m);
        total += perft(pos, depth - 1);
        pos.unmakeMove(m);
    }
    return total;
}

std::vector<std::pair<Move, std::uint64_t>> perftByMove(Position& pos, int depth) {
    std::vector<std::pair<Move, std::uint64_t>> counts;
    if (depth <= 0) return counts;
    MoveList list;
    generateLegalMoves(pos, list);
    for (const Move m : list) {
        std::uint64_t n = 1;
        if (!endsGame(pos, m)) {
            pos.makeMove(m);
            n = perft(pos, depth - 1);
            pos.unmakeMove(m);
        }
        counts.emplace_back(m, n);
    }
    return counts;
}

}  // namespace engine
