#pragma once
// One line of the moves table: its number, a move (or the word that ends the
// game) and the time, as in
//    "   1 ７六歩(77)   ( 0:01/00:00:01)".
// The destination is a full-width file digit and a kanji rank, or 同 for the
// square of the move before; the origin is two digits in parentheses, or 打
// for a drop; 成 marks a promotion. The time is the move's minutes:seconds and
// the mover's total hours:minutes:seconds.

#include <optional>
#include <string>
#include <string_view>

#include "record/KifGame.h"

namespace kif {

struct MoveTime {
    long seconds = 0;
    std::optional<long> total;  // the mover's total after the move, when the line gives it
};

// A move as the line writes it, before it meets a position. Files and ranks
// are the notation's numbers (file 1 is the rightmost column).
struct NotatedMove {
    bool sameSquare = false;  // 同: the destination of the move before
    int toFile = 0, toRank = 0;
    int pieceCode = 0;  // the upper side's code of the named piece
    bool promotes = false;
    bool drop = false;
    int fromFile = 0, fromRank = 0;
};

struct MoveLine {
    int number = 0;
    std::optional<NotatedMove> move;  // a move, or else
    std::optional<Ending> ending;     // the word that ends the game
    std::optional<MoveTime> time;     // absent when the line has none or one that cannot be read
};

// Whether the line is a line of the moves table at all: a number and a blank.
bool looksLikeMoveLine(std::string_view line);

// Nothing when the line cannot be read.
std::optional<MoveLine> parseMoveLine(std::string_view line);

// The text of a move: 同 when `sameSquare`, the piece's name as it stood
// before the move, 成 when it promotes, and the origin or 打.
std::string moveText(const Move& move, bool sameSquare);

// A whole line: the number right-aligned in four columns, the text (a move's,
// or an end word) and the time.
std::string formatMoveLine(int number, std::string_view text, long seconds, long total);

}  // namespace kif
