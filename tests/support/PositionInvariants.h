#pragma once
// What every position the game can reach must satisfy, checked by the random
// play test, the record fuzz test and the soak alike.

#include <string>

#include "game/Form1.h"

struct PositionExpectations {
    // Pieces a handicap has taken off the board.
    int handicapPieces = 0;
    // A king taken by a move made directly on the board counts in the taker's
    // hand total, though no hand holds it.
    bool takenKingInTotals = false;
    // The position was reached by moves the rules allow: no side has two
    // pawns on a file and no piece stands where it could never move again.
    bool reachedByTheRules = false;
};

// Empty when the position is sound, else what is wrong.
std::string brokenInvariant(const Form1& f, const PositionExpectations& expect);
