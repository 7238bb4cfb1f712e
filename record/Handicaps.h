#pragma once
// The start positions a KIF header names with 手合割: the even start and the
// standard handicaps, where the upper side (上手) gives the pieces and moves
// first.

#include <optional>
#include <string>
#include <string_view>

#include "record/KifGame.h"

namespace kif {

constexpr std::string_view EVEN_GAME = "平手";

// The even start, the lower side to move.
Position evenStart();

// The start a 手合割 name stands for (平手 and every standard handicap);
// nothing for any other name.
std::optional<Position> startOfHandicap(std::string_view name);

// The name to write for a start position: 平手, or one of the handicaps every
// common reader knows, when the position is exactly that one. Nothing for any
// other position, which is written as a board diagram.
std::optional<std::string> writableHandicapName(const Position& position);

}  // namespace kif
