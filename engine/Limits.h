#pragma once
// What bounds one search: depth, nodes, a fixed time per move, or a game
// clock (time left, increment, byoyomi) from which a budget is taken.
// Also the named presets of the game's levels 4 and 5.

#include <cstdint>

namespace engine {

struct Limits {
    int depth = 0;            // plies; 0 for no limit
    std::uint64_t nodes = 0;  // 0 for no limit; with a node limit a search is deterministic
    int moveTimeMs = 0;       // think exactly this long at most; 0 for none
    int timeLeftMs = -1;      // the mover's clock; -1 when no clock is given
    int incrementMs = 0;      // added after each move (Fischer)
    int byoyomiMs = 0;        // per-move allowance once the clock is spent
    bool infinite = false;    // until stopped from outside
};

// The game's levels above the one-move computer.
constexpr int LEVEL_4_MOVE_TIME_MS = 500;
constexpr int LEVEL_5_MOVE_TIME_MS = 3000;
constexpr Limits LEVEL_4{.moveTimeMs = LEVEL_4_MOVE_TIME_MS};
constexpr Limits LEVEL_5{.moveTimeMs = LEVEL_5_MOVE_TIME_MS};

// The preset of level 4 or 5; any other level gets level 4's.
constexpr Limits limitsOfLevel(int level) { return level == 5 ? LEVEL_5 : LEVEL_4; }

}  // namespace engine
