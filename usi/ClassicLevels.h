#pragma once
// The game's own one-move computer (levels 1 to 3) as a player for any
// position: the position goes onto a window object nobody sees, turned round
// when Black is to move (the game's computer always plays the upper side),
// the computer's turn runs exactly as in the window, and its move is read
// back from the move record.

#include "engine/Position.h"

namespace usi {

constexpr int FIRST_CLASSIC_LEVEL = 1;
constexpr int LAST_CLASSIC_LEVEL = 3;

// The move the game's computer of that level plays; NO_MOVE when it has none.
engine::Move classicMove(const engine::Position& pos, int level);

}  // namespace usi
