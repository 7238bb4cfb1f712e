#pragma once
// Standard shogi's legality on top of the pseudo-legal moves: the mover's king
// may not be left attacked, and a pawn may not be dropped to give mate.
// Under the forward rule every generated move is legal.

#include "engine/MoveGen.h"

namespace engine {

// Asked right after `m` was made: was it legal?
bool wasLegal(Position& pos, Move m);

// The moves the rules allow the side to move.
void generateLegalMoves(Position& pos, MoveList& list);

// True when `m` is among the side to move's legal moves (for moves from a
// table or a stranger, such as a GUI).
bool isLegalMove(Position& pos, Move m);

// Standard rules: the side to move has no legal move left.
bool hasNoLegalMove(Position& pos);

}  // namespace engine
