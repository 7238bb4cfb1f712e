#pragma once
// Reading a KIF or KIFU file into a record. What programs write is taken
// generously: unknown header keys, 王 and 竜, 同 with or without a blank, 不成,
// times missing or odd, comments, bookmarks, sealed moves, branches (the main
// line is kept), every standard handicap name and board diagrams. What is
// replayed is taken strictly: every move must be a move of standard shogi
// from the position before it (see StandardReplay.h). A file is refused whole,
// with the line that does not fit.

#include <string>
#include <string_view>
#include <variant>

#include "record/KifEncoding.h"
#include "record/KifGame.h"

namespace kif {

constexpr size_t MAX_FILE_BYTES = 1 << 20;
constexpr int MAX_MOVES = 500;  // what the game's move record holds

enum class Problem {
    TooLarge,         // more than MAX_FILE_BYTES
    Unreadable,       // not text in the file's encoding
    Malformed,        // a line that is not KIF
    UnknownHandicap,  // a 手合割 name that is no standard one
    BadPosition,      // a start the game cannot hold (see isSoundStart)
    IllegalMove,      // a move that does not fit the position
    TooManyMoves,     // more than MAX_MOVES
};

struct ReadError {
    Problem problem;
    int line;  // 1-based; 0 for the whole file
    bool operator==(const ReadError&) const = default;
};

using ReadResult = std::variant<Game, ReadError>;

ReadResult readKif(std::string_view bytes, Format format);

// The message shown to the player.
std::string messageOf(const ReadError& error);

}  // namespace kif
