#pragma once
// The level-3 patterns of the evaluation: what the piece just moved or dropped
// is worth where it stands, by kind. Each takes the running score and returns
// the evaluation's final score, since several patterns end it early.

#include "game/PieceCode.h"
#include "game/Score.h"

class Form1;

namespace com {

// A candidate move as the evaluation sees it, already standing on the board.
struct Candidate {
    int captured;      // what stood on the destination: empty or a lower piece
    int code;          // what stands there now, promoted if the move promotes
    int fromX, fromY;  // (-1, hand index) for a drop
    int toX, toY;
    bool isDrop() const { return fromX == Vocabulary::UPPER_STAND_X; }
};

Score piecePatterns(Form1& f, const Candidate& c, Score running);
Score pawnPatterns(Form1& f, const Candidate& c, Score running);
Score tokinPatterns(Form1& f, const Candidate& c, Score running);

}  // namespace com
