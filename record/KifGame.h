#pragma once
// A game record as a KIF file holds it, kept in the game's own terms so that it
// goes into the move record and back without translation: piece codes, (x, y)
// with x = 1 the leftmost column (file ９) and y = 1 the top row (rank 一), drops
// from the stand squares, and clock values in whole seconds.

#include <optional>
#include <string>
#include <vector>

#include "game/DateTime.h"
#include "game/Vocabulary.h"

namespace kif {

// The lower side stands at the bottom and owns the negative codes; it is 先手
// (or 下手) in the notation, the upper side 後手 (or 上手).
enum class Side { Lower, Upper };

constexpr Side opponent(Side side) { return side == Side::Lower ? Side::Upper : Side::Lower; }
constexpr int signOf(Side side) { return side == Side::Lower ? -1 : 1; }

constexpr int BOARD_SIZE = Vocabulary::boardSize;
constexpr int HAND_KINDS = Vocabulary::HAND_KINDS;  // hand index 1 pawn .. 7 rook

// The notation numbers files from the right: file 9 is column x = 1.
constexpr int fileOfColumn(int x) { return BOARD_SIZE + 1 - x; }
constexpr int columnOfFile(int file) { return BOARD_SIZE + 1 - file; }

struct Position {
    int board[BOARD_SIZE + 1][BOARD_SIZE + 1]{};  // [x][y]; row and column 0 stay empty
    int lowerHand[HAND_KINDS + 1]{};
    int upperHand[HAND_KINDS + 1]{};
    Side toMove = Side::Lower;

    int* hand(Side side) { return side == Side::Lower ? lowerHand : upperHand; }
    const int* hand(Side side) const { return side == Side::Lower ? lowerHand : upperHand; }
    bool operator==(const Position&) const = default;
};

// One entry of the move record. A drop comes from its side's stand square:
// (11, k + 2) for the lower side, (-1, k) for the upper side, k the hand index.
struct Move {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    int movedPiece = 0;     // the piece before the move (the unpromoted piece of a drop)
    int placedPiece = 0;    // the piece on the destination after it
    int capturedPiece = 0;  // what stood on the destination, or 0
    long lowerTimeBefore = 0, lowerTimeAfter = 0, upperTimeBefore = 0, upperTimeAfter = 0;
    std::string comment;  // the comment lines after the move, joined by '\n'
};

// One side's clock fields of a move.
inline long& timeBefore(Move& m, Side side) { return side == Side::Lower ? m.lowerTimeBefore : m.upperTimeBefore; }
inline long& timeAfter(Move& m, Side side) { return side == Side::Lower ? m.lowerTimeAfter : m.upperTimeAfter; }
inline long timeBefore(const Move& m, Side side) { return side == Side::Lower ? m.lowerTimeBefore : m.upperTimeBefore; }
inline long timeAfter(const Move& m, Side side) { return side == Side::Lower ? m.lowerTimeAfter : m.upperTimeAfter; }

// How the record ends. A record that ends with the taking of a king needs none:
// the capture says who won.
enum class Ending {
    None,
    Resigned,
    Mated,
    Interrupted,
    Repetition,
    Impasse,
    TimeUp,
    FoulWin,
    FoulLoss,
    EnteringKing,
};

using DateTime = ::DateTime;

struct HeaderField {
    std::string key, value;
    bool operator==(const HeaderField&) const = default;
};

struct Game {
    Position start;
    std::string lowerPlayer, upperPlayer;
    std::optional<DateTime> startTime;
    std::vector<HeaderField> otherFields;  // every other header line, in the order read
    std::string startComment;              // comment lines before the first move
    std::vector<Move> moves;
    Ending ending = Ending::None;
};

// The side to move after the record's last move.
Side sideToMoveAtEnd(const Game& game);

// Whether the move takes a king: nothing may follow it.
bool takesKing(const Move& move);

// The winner, when the ending (or a king's capture) names one.
std::optional<Side> winner(const Game& game);

}  // namespace kif
