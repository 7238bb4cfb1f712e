#pragma once
// Move generation for both rule sets. Under the forward rule every generated
// move is legal; under standard rules the moves are pseudo-legal and
// Legality.h filters those that leave the mover's king attacked.
// A move that may promote is listed twice (promoting and not), unless the
// piece could never move again unpromoted.

#include "engine/FixedList.h"
#include "engine/Position.h"

namespace engine {

// Enough for any shogi position (the known maximum is 593 legal moves).
constexpr int MAX_MOVES = 1024;

using MoveList = FixedList<Move, MAX_MOVES>;

// The forward rule's test: can the piece on `s` go somewhere one step ahead?
// Open squares are empty or enemy-held; pawns, lances and rooks look straight
// ahead, knights at the three squares two ahead, every other piece at the
// three squares one ahead (the bishop counts the square straight ahead too).
// A piece on its last rank never has to advance.
bool canAdvance(const Position& pos, Square s);

// Every board move and drop of the side to move.
void generateMoves(const Position& pos, MoveList& list);
// Captures and promotions only, for the quiescence search.
void generateTacticalMoves(const Position& pos, MoveList& list);

// True when a drop or a promotion choice is allowed where it lands.
bool mustPromote(Color c, Kind k, int toRank);
bool dropAllowed(const Position& pos, Color c, Kind k, Square to);

}  // namespace engine
