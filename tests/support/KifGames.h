#pragma once
// Games for the KIF tests, played on the game itself so that their records are
// the game's own: random moves its rules allow, entered into its move record
// as the computer enters its moves, with clocks that run in fractions of a
// second. Also the hand-over between the game and a KIF record, as the game
// makes it, and positions as SFEN text.

#include <random>
#include <string>
#include <vector>

#include "record/KifGame.h"
#include "tests/support/TestForm.h"

namespace kiftest {

// The form's board, hands and side to move.
kif::Position positionOf(const Form1& f);
// A position written as SFEN (platform/Sfen.h); throws on a bad text.
kif::Position positionOf(const std::string& sfen);
std::string sfenOf(const kif::Position& position);

// Plays up to `plies` random moves the game allows the side to move, from the
// form's position; with `takeKing` a king is taken as soon as one can be, and
// the game ends there. Returns the positions after each move.
std::vector<kif::Position> playRandomMoves(Form1& f, std::mt19937& random, int plies, bool takeKing);

// Moves 1..recordIndex of the form's record from the start given, clocks cut
// to whole seconds.
kif::Game gameOf(const Form1& f, const kif::Position& start);

// The positions a record goes through, the start first.
std::vector<kif::Position> replay(const kif::Game& game);

}  // namespace kiftest
