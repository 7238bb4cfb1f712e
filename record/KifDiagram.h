#pragma once
// The board diagram of a KIF header, for a start that no 手合割 name
// describes:
//   後手の持駒：飛　歩二　
//     ９ ８ ７ ６ ５ ４ ３ ２ １
//   +---------------------------+
//   |v香v桂 ・ ・ ... |一
//   ...
//   +---------------------------+
//   先手の持駒：なし
//   後手番
// A square is a blank (先手) or "v" (後手) and one character, " ・" when empty.
// Hands list each kind with a kanji count, or なし. The 後手番 line says the
// upper side moves first; without it the lower side does.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/KifGame.h"

namespace kif {

std::vector<std::string> diagramLines(const Position& position);

// A row "|...|" of the diagram into row y of the board; false when it cannot be read.
bool readBoardRow(std::string_view line, int y, Position& position);

// The side whose hand the line lists (先手の持駒： or 下手の持駒：, 後手 or
// 上手), with that prefix taken off; nothing for any other line.
std::optional<Side> takeHandLineSide(std::string_view& line);

// Adds the pieces a hand line lists to the hand; false when it cannot be read.
bool readHand(std::string_view text, int* hand);

// The side a 先手番 / 後手番 (下手番 / 上手番) line gives the move to.
std::optional<Side> turnLineSide(std::string_view line);

// The border lines and the file labels (full-width or ASCII digits), which
// carry nothing to read.
bool isDiagramFrame(std::string_view line);

}  // namespace kif
