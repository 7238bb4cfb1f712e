#pragma once
// Games for the KIF tests, played on the game itself so that their records are
// the game's own: random moves its rules allow, entered into its move record
// as the computer enters its moves, with clocks that run in fractions of a
// second. Also the hand-over between the game and a KIF record, as the game
// makes it, and positions as SFEN text.

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "record/KifGame.h"
#include "tests/support/RandomMoves.h"
#include "tests/support/TestForm.h"

namespace kiftest {

// A move of that side that takes a king, when it has one; promoted only where
// it must be.
std::optional<randomplay::Move> kingCapture(Form1& f, bool upper);

// The form's board, hands and side to move.
kif::Position positionOf(const Form1& f);
// A position written as SFEN (platform/Sfen.h); throws on a bad text.
kif::Position positionOf(const std::string& sfen);
std::string sfenOf(const kif::Position& position);

// Plays up to `plies` random moves the game allows the side to move, from the
// form's position; with `takeKing` a king is taken as soon as one can be, and
// the game ends there. Returns the positions after each move.
std::vector<kif::Position> playRandomMoves(Form1& f, std::mt19937_64& random, int plies, bool takeKing);

// Moves 1..recordIndex of the form's record from the start given, clocks cut
// to whole seconds.
kif::Game gameOf(const Form1& f, const kif::Position& start);

// Starts a game for two people at a grade of the handicap ladder (0 for the
// even start), with the side to move chosen.
void startOnLadder(Form1& f, int level, bool upperFirst);

// A game played on a fresh form from the start `setUp` leaves there.
struct PlayedGame {
    kif::Game game;
    std::vector<kif::Position> positions;  // the start, then after each move
    bool kingTaken = false;
};
using SetUp = std::function<void(Form1&, std::mt19937_64&)>;
PlayedGame playFrom(const SetUp& setUp, unsigned seed, int plies, bool takeKing);

// How many of the record's moves a KIF file holds: all but a king's capture
// and the move that allowed it.
size_t movesWritten(const kif::Game& game);

// The positions a record goes through, the start first.
std::vector<kif::Position> replay(const kif::Game& game);

}  // namespace kiftest
