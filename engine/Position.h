#pragma once
// A position the search can change and restore quickly: the padded board,
// both hands, the side to move, the rule set, an incrementally kept hash key,
// the kings' squares and the files holding each side's unpromoted pawns.
// Every move made is remembered so that it can be unmade and repetitions seen.

#include <vector>

#include "engine/Types.h"
#include "engine/Zobrist.h"

namespace engine {

class Position {
public:
    // An empty board (walls around it), empty hands, Black to move.
    explicit Position(Rules rules = Rules::Forward);

    // Setting up; each keeps the derived data (key, kings, pawn files) right.
    void place(Square s, Piece p);
    void setHand(Color c, Kind k, int count);
    void setSideToMove(Color c);

    Piece at(Square s) const { return board_[s]; }
    int hand(Color c, Kind k) const { return hand_[c][k]; }
    Color sideToMove() const { return side_; }
    Rules rules() const { return rules_; }
    Key key() const { return key_; }
    // The king's square, or 0 when that side has no king (it was captured).
    Square kingSquare(Color c) const { return king_[c]; }
    bool hasPawnOnFile(Color c, int file) const { return pawnsOnFile_[c][file] != 0; }
    int gamePly() const { return static_cast<int>(history_.size()); }

    void makeMove(Move m);
    void unmakeMove(Move m);
    void makeNullMove();
    void unmakeNullMove();

    // The piece a move would capture (EMPTY for drops and quiet moves).
    Piece capturedBy(Move m) const { return isDrop(m) ? EMPTY : board_[toSquare(m)]; }
    // The piece that arrives on the destination.
    Piece movedPiece(Move m) const;

    // How many times the current position occurred before in this game and search.
    int repetitions() const;

private:
    struct Undo {
        Key key;
        Piece captured;
    };

    void addToHand(Color c, Kind k);
    void takeFromHand(Color c, Kind k);
    void putPiece(Square s, Piece p);
    void removePiece(Square s);
    void refreshDerived();

    Piece board_[SQUARE_COUNT];
    int hand_[COLOR_COUNT][HAND_KIND_COUNT]{};
    Color side_ = BLACK;
    Rules rules_;
    Key key_ = 0;
    Square king_[COLOR_COUNT]{};
    // Counted, not flagged: a set-up position may hold two pawns on a file.
    int pawnsOnFile_[COLOR_COUNT][BOARD_SIZE + 2]{};
    std::vector<Undo> history_;
};

}  // namespace engine
