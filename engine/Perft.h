#pragma once
// Counting the move tree to a fixed depth, the oracle that keeps the move
// generator honest. Every legal move counts, a promotion choice as two moves;
// under the forward rule a move that takes the king ends the game, so it is a
// leaf and nothing is counted beyond it.

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/Position.h"

namespace engine {

std::uint64_t perft(Position& pos, int depth);

// The counts below each root move, in generation order.
std::vector<std::pair<Move, std::uint64_t>> perftByMove(Position& pos, int depth);

}  // namespace engine
