#pragma once
// Games played the way a user plays them, for the record tests: every move
// goes through the mouse (and, against the computer, the computer's own
// turn), and the state after each move is kept to compare with what stepping
// shows later.

#include <random>
#include <string>
#include <vector>

#include "tests/support/RandomMoves.h"
#include "tests/support/TestForm.h"

namespace recordtest {

struct Step {
    std::string sfen;
    int lowerHandCount = 0, upperHandCount = 0;
    double lowerTime = 0, upperTime = 0;
};

Step stepOf(const Form1& f);
// Makes the move with the mouse: the piece, then its destination, the right
// button when it promotes.
void clickMove(Form1& f, const randomplay::Move& m);
// An empty folder of its own for a test, removed when the tests end.
std::string freshFolder(const std::string& tag);
// A file's bytes; a new file, or one emptied, with these bytes.
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
// Plays up to `plies` random moves by mouse from the game under way, two
// people or the lower side against the computer (which answers inside the
// same click: its entries hold the state after its reply and the person's
// entries before them are left empty). The clock advances a few seconds, with
// fractions, before every person's move. The states after each move, the
// state before the first one first.
std::vector<Step> playMoves(TestForm& t, std::mt19937_64& random, int plies, bool againstComputer);
// The game started, its elapsed-time display on and the clock at 10:00.
void loadFreshGame(TestForm& t);
// A new game from the start of a fresh game, then playMoves.
std::vector<Step> playGame(TestForm& t, unsigned seed, int plies, bool againstComputer);

// What reading a record with moves and writing one show.
inline constexpr const char* LOADED_MESSAGES =
    "msgbox \"棋譜\" \" 読み込みました\" OK -> OK\nmsgbox \"棋譜\" \"棋譜を '進 'で進めて下さい\" OK -> OK\n";
inline constexpr const char* WRITTEN_MESSAGE = "msgbox \"  \" \"棋譜を書き込みました\" OK -> OK\n";

// The write panel's title and player boxes.
struct PanelNames {
    std::string title, first, second;
};
// Writes the record up to the shown position through the write panel, as
// `name` in `folder`; what RETURN showed.
std::string saveThroughPanel(TestForm& t, const std::string& folder, const std::string& name,
                             const PanelNames& names = {});
// Clicks `name` in the read panel's list of `folder`; what the click showed.
std::string readThroughPanel(TestForm& t, const std::string& folder, const std::string& name);

}  // namespace recordtest
