#pragma once
// Positions and moves as USI writes them. SFEN lists the ranks from the top
// (rank a) and each rank from file 9 to file 1, which is the game's x = 1..9;
// uppercase letters are Black's. A move is "7g7f", "8h2b+" or "P*5e".

#include <optional>
#include <string>

#include "engine/Position.h"

namespace engine {

inline constexpr const char* START_SFEN = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// Parses "BOARD SIDE HANDS [MOVENUMBER]" into a position of the given rules.
std::optional<Position> positionFromSfen(const std::string& sfen, Rules rules, std::string& error);
std::string sfenOf(const Position& pos);

std::string usiOf(Move m);
// The move the text names in this position, or NO_MOVE when it names none
// of the side to move's pieces; legality is the caller's question.
Move moveFromUsi(const Position& pos, const std::string& text);

}  // namespace engine
