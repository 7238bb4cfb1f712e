#pragma once
// A second, deliberately plain reading of the rules for checking the move
// generator: every origin and destination pair is tried against a direct
// description of how each kind moves, with no tables and no padding tricks.
// Slow, and independent of the generator's code except for the position.

#include <cstdint>
#include <vector>

#include "engine/Position.h"

namespace engine_test {

std::vector<engine::Move> naiveLegalMoves(engine::Position& pos);
std::uint64_t naivePerft(engine::Position& pos, int depth);

}  // namespace engine_test
