#include "tests/support/RecordGames.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "game/PieceCode.h"
#include "rules/MoveList.h"
#include "tests/support/RandomMoves.h"
#include "tests/support/TestForm.h"

namespace recordtest {

void clickMove(Form1& f, const randomplay::Move& m) {
    // The upper stand lists rook at the top: hand index k is clicked on row 8 - k.
    const int row = m.fromX == Form1::UPPER_STAND_X ? piece::upperStandRow(m.fromY) : m.fromY;
    clickCell(f, Form1::LEFT_BUTTON, m.fromX, row);
    clickCell(f, m.placed != m.code ? Form1::RIGHT_BUTTON : Form1::LEFT_BUTTON, m.toX, m.toY);
}

Step stepOf(const Form1& f) { return {sfen::of(f), f.lowerHandCount, f.upperHandCount, f.lowerTime, f.upperTime}; }

// An empty folder of its own for a test; removed at the latest when the tests
// end, also after a failed assertion left it behind.
std::string freshFolder(const std::string& tag) {
    namespace fs = std::filesystem;
    static struct Folders {
        std::vector<fs::path> made;
        ~Folders() {
            std::error_code ignored;
            for (const fs::path& folder : made) fs::remove_all(folder, ignored);
        }
    } folders;
    const fs::path folder = fs::temp_directory_path() / ("mirelo-" + tag + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    folders.made.push_back(folder);
    return folder.string();
}

std::string readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

namespace {

constexpr double START_CLOCK = 36000;  // 10:00 in the morning

using randomplay::Move;

// True when the upper side could take the lower king after the lower side plays m.
bool exposesLowerKing(const Form1& game, const Move& m) {
    TestForm s;
    std::string error;
    sfen::apply(*sfen::parse(sfen::of(game), error), s.form);
    s.form.lowerSide = -1;
    s.form.upperSide = 1;
    randomplay::makeOnBoard(s.form, m);
    bool exposed = false;
    forEachAllowedMove(s.form, true, [&](int, int, int tx, int ty, int) {
        exposed = exposed || s.form.board[tx][ty] == Form1::LOWER_KING;
    });
    return exposed;
}

// One move of the side to move, chosen at random but with captures, drops and
// promotions favoured so that every kind of record entry turns up. A taken
// king would end the game, so none is taken.
bool playRandomMove(TestForm& t, std::mt19937_64& random, bool kingSafe) {
    Form1& f = t.form;
    const bool upper = f.turn == f.upperSide;
    for (int attempt = 0; attempt < 40; ++attempt) {
        const auto chosen =
            randomplay::randomMove(f, upper, random, {.favourEventfulMoves = true, .sparingKings = true});
        if (!chosen) return false;
        const Move& m = *chosen;
        if (kingSafe && exposesLowerKing(f, m)) continue;
        const int before = f.recordIndex;
        clickMove(f, m);
        if (f.recordIndex == before) ADD_FAILURE() << "move not taken: " << m.fromX << m.fromY << m.toX << m.toY;
        return f.recordIndex != before;
    }
    return false;
}

}  // namespace

std::vector<Step> playMoves(TestForm& t, std::mt19937_64& random, int plies, bool againstComputer) {
    Form1& f = t.form;
    std::vector<Step> steps{stepOf(f)};
    while (static_cast<int>(steps.size()) <= plies) {
        t.platform.clock += 0.3 + static_cast<double>(random() % 400) / 10.0;
        f.Timer1_Timer();
        const int before = f.recordIndex;
        if (!playRandomMove(t, random, againstComputer)) break;
        if (f.turn == Form1::NO_GAME || f.winner != 0) {
            ADD_FAILURE() << "the game ended at move " << f.recordIndex;
            break;
        }
        const int expected = before + (againstComputer ? 2 : 1);
        if (f.recordIndex != expected) {
            ADD_FAILURE() << "record index " << f.recordIndex << ", expected " << expected;
            break;
        }
        if (againstComputer) steps.push_back(Step{});
        steps.push_back(stepOf(f));
    }
    t.takeTrace();
    return steps;
}

void loadFreshGame(TestForm& t) {
    t.form.Form_Load();
    t.form.setChecked(Menu::KEIKA, true);
    t.platform.clock = START_CLOCK;
}

std::vector<Step> playGame(TestForm& t, unsigned seed, int plies, bool againstComputer) {
    std::mt19937_64 random(seed);
    Form1& f = t.form;
    loadFreshGame(t);
    if (againstComputer)
        f.SENTE_Click();
    else
        f.START_Click();
    return playMoves(t, random, plies, againstComputer);
}

std::string saveThroughPanel(TestForm& t, const std::string& folder, const std::string& name, const PanelNames& names) {
    Form1& f = t.form;
    f.Dir1_Change(folder);
    f.KIFU_WRITE_Click();
    f.setPanelText(FILE_NAME_BOX, name);
    f.setPanelText(TITLE_BOX, names.title);
    f.setPanelText(FIRST_PLAYER_BOX, names.first);
    f.setPanelText(SECOND_PLAYER_BOX, names.second);
    t.takeTrace();
    f.Command1_Click();
    return t.takeTrace();
}

std::string readThroughPanel(TestForm& t, const std::string& folder, const std::string& name) {
    Form1& f = t.form;
    f.Dir1_Change(folder);
    f.KIFU_READ_Click();
    t.takeTrace();
    f.File1_Click(name);
    return t.takeTrace();
}

}  // namespace recordtest
