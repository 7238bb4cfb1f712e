#pragma once
// The words of the KIF notation that the reader and the writer share: file
// digits, rank and count numerals, piece names in moves and in board diagrams,
// and the words that end a game. The writer uses the first spelling of each;
// the reader also takes the others that programs write (王, 竜, 全, 圭, 杏).

#include <optional>
#include <string>
#include <string_view>

#include "record/KifGame.h"

namespace kif {

// "１" .. "９" for a file number 1..9.
std::string_view fileDigit(int file);
// "一" .. "九" for a rank number 1..9.
std::string_view rankNumeral(int rank);
// The number a file digit (full-width or ASCII) or a rank numeral stands for, or 0.
int fileOfDigit(std::string_view character);
int rankOfNumeral(std::string_view character);

// A count in hand as written after the piece: nothing for 1, then "二" .. "九",
// "十", "十一" .. "十八" and on.
std::string countNumeral(int count);
// Reads a kanji count numeral from the front of `text`, taking what it read;
// nothing when it does not start with one.
std::optional<int> takeCountNumeral(std::string_view& text);

// The name of a piece (either side's code) in a move: 歩 .. 龍, 成銀, 玉.
std::string_view moveName(int code);
// The upper side's code a move name stands for, or 0. Reads the longest name
// at the front of `text` and takes it.
int takeMoveName(std::string_view& text);

// The one character of a piece in a board diagram or a hand: 歩 .. 龍, 全, 玉.
std::string_view diagramName(int code);
// The upper side's code of a diagram character, or 0.
int codeOfDiagramName(std::string_view character);

// The word of an end line (投了, 詰み, ...), and the ending a word stands for.
std::string_view endingWord(Ending ending);
std::optional<Ending> endingOfWord(std::string_view word);

}  // namespace kif
