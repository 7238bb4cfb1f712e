#pragma once
// Varied starts for a match: a few random legal moves from the start
// position, chosen from a seed, that leave the game undecided.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Types.h"

namespace match {

// `count` openings of `plies` moves each, in USI notation.
std::vector<std::vector<std::string>> randomOpenings(int count, int plies, engine::Rules rules, std::uint32_t seed);

}  // namespace match
