#pragma once
// Writing a record as a KIF (code page 932) or KIFU (UTF-8) file.
//
// The start is written by name (手合割) when it is the even start or one of the
// handicaps every common reader knows, with the giver at the top to move;
// any other start as a board diagram, with 後手番 when the upper side moves
// first. A game that ended with a king's capture cannot be written with the
// capture, and the move before it left that king en prise, which no standard
// record holds either: both are left out and the loser resigns (投了) in
// their place. Nothing is written as 不成.

#include <optional>
#include <string>

#include "record/KifEncoding.h"
#include "record/KifGame.h"

namespace kif {

// The file's bytes; nothing when a text has no code page 932 form (KIF only).
std::optional<std::string> writeKif(const Game& game, Format format);

}  // namespace kif
