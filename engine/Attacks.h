#pragma once
// Whether a side could move onto a square next: under the forward rule only
// moves the rule allows count, so a rook that must advance does not attack
// sideways.

#include "engine/Position.h"

namespace engine {

bool isAttacked(const Position& pos, Square target, Color by);

// The side to move's king can be taken by the other side (check).
bool inCheck(const Position& pos);

// The side to move can take the other king at once: under the forward rule
// that is a won game, and the last move was the loser's mistake.
bool canCaptureKing(const Position& pos);

// Whether the other side reaches the side to move's king or a square next to
// it: a king so pressed may be mated by a quiet move, which pruning must not hide.
bool kingPressed(const Position& pos);

// The number of the side's pieces that could move onto the square.
int attackerCount(const Position& pos, Square target, Color by);

}  // namespace engine
