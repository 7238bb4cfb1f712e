#pragma once
// Games of every kind a record can hold, played from a fresh game the way
// users play them: with the mouse, against the computer or by two people,
// from the even start, every grade of the handicap ladder and a turned board,
// to a king's capture, to the computer's mate, and to the record's 500 moves.
// Each game ends with the record's last move shown.

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "record/KifGame.h"
#include "tests/support/TestForm.h"

namespace recordtest {

struct GameKind {
    std::string name;
    std::function<void(TestForm&, std::mt19937_64&)> play;
    kif::Ending ending = kif::Ending::Interrupted;  // as written: a game that goes on is interrupted
    bool won = false;                               // the game was won and begun anew
    int leastMoves = 15;                            // random play may corner a side early, but not that early
};

std::vector<GameKind> gameKinds();

// A fresh game (see loadFreshGame) with the kind played on it.
void playKind(TestForm& t, const GameKind& kind, unsigned seed);

}  // namespace recordtest
