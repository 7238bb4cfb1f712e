#pragma once
// Random play for tests: a move the rules allow, chosen at random, with the
// promotion decided at random where it is optional and taken where the piece
// could otherwise never move again.

#include <optional>
#include <random>
#include <vector>

#include "game/Form1.h"

namespace randomplay {

struct Move {
    int fromX, fromY, toX, toY;
    int code;    // the piece as it moves (a drop's hand kind)
    int placed;  // the code that lands: promoted or not
};

// Every move the move check allows that side now, unpromoted.
std::vector<Move> allowedMoves(Form1& f, bool upper);

// How the random move is chosen.
struct Choice {
    // Captures, drops and promotions twice as likely as quiet moves, so that
    // every kind of record entry turns up in a short game.
    bool favourEventfulMoves = false;
    // No move that takes a king (it would end the game).
    bool sparingKings = false;
};

// A random allowed move of that side, or nothing when it has none.
std::optional<Move> randomMove(Form1& f, bool upper, std::mt19937_64& random, Choice choice = {});

// The move made on the board as the game makes it, without a record entry.
void makeOnBoard(Form1& f, const Move& m);

}  // namespace randomplay
