#pragma once
// Games played the way a user plays them, for the record tests: every move
// goes through the mouse (and, against the computer, the computer's own
// turn), and the state after each move is kept to compare with what stepping
// shows later.

#include <string>
#include <vector>

#include "tests/support/TestForm.h"

namespace recordtest {

struct Step {
    std::string sfen;
    int lowerHandCount = 0, upperHandCount = 0;
    double lowerTime = 0, upperTime = 0;
};

Step stepOf(const Form1& f);
// An empty folder of its own for a test, removed when the tests end.
std::string freshFolder(const std::string& tag);
// Plays `plies` random moves by mouse; the states after each move, the start first.
std::vector<Step> playGame(TestForm& t, unsigned seed, int plies, bool againstComputer);

}  // namespace recordtest
