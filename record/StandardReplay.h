#pragma once
// Replaying a record under the rules of standard shogi. A KIF file comes from a
// game of standard shogi, so every move is checked against the standard
// movement, drop, two-pawn and promotion rules before it is played. Two things
// are not checked, because the game allows them and its own games must read
// back: leaving one's own king attacked, and mating with a dropped pawn. The
// game's forward rule is not checked either; it only ever narrows the moves.

#include "record/KifGame.h"

namespace kif {

// A start position the game can hold: codes of the piece table, one king a
// side, no more pieces of a kind than a set has, no piece that could never
// move again and no two unpromoted pawns of a side in one column.
bool isSoundStart(const Position& position);

class StandardReplay {
public:
    explicit StandardReplay(const Position& start) : now(start) {}

    // Plays the move when it fits the position, filling in its capturedPiece;
    // false, with nothing changed, when it does not. Nothing fits after a king
    // has been taken.
    bool play(Move& move);

    const Position& position() const { return now; }
    bool kingTaken() const { return gameOver; }

private:
    bool fitsBoardMove(const Move& move) const;
    bool fitsDrop(const Move& move) const;

    Position now;
    bool gameOver = false;
};

}  // namespace kif
