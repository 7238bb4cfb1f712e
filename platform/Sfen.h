#pragma once
// Positions as text for scenarios and tests: BOARD SIDE HANDS [MOVENUMBER].
// Ranks from row 1 (top), each from column 1 (left); uppercase letters are the
// lower side's pieces, lowercase the upper side's, '+' marks a promoted kind.

#include <optional>
#include <string>

#include "game/Vocabulary.h"

class Form1;

namespace sfen {

struct Position {
    int board[10][10]{};
    int lowerHand[Vocabulary::HAND_KINDS + 1]{};
    int upperHand[Vocabulary::HAND_KINDS + 1]{};
    bool lowerToMove = true;
    int moveNumber = 1;
};

// Parses a position; on failure returns nothing and says why in `error`.
std::optional<Position> parse(const std::string& text, std::string& error);

// Puts the board and both hands on the form, with the hand totals; nothing else.
void apply(const Position& position, Form1& form);

// The form's board, hands and side to move.
std::string of(const Form1& form);

}  // namespace sfen
