// Every game is kept: ended each way a game can end, left for another, or
// open when the program ends, a game with moves leaves exactly one record in
// the folder for kept games, and it reads back to where the game stood.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <vector>

#include "record/KifReader.h"
#include "tests/support/GameKinds.h"
#include "tests/support/KifGames.h"
#include "tests/support/RecordGames.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// A game of two people under way in a form that keeps its games.
struct KeepingGame : TestForm {
    TempFolder here;  // its own settings file: the keeping option stays its own
    fs::path games = fs::path(recordtest::freshFolder("kept")) / "games";
    std::mt19937_64 random{5};
    std::vector<kif::Position> positions;  // after each move

    KeepingGame() {
        platform.keptGames = games.string();
        platform.dateTime = DateTime{2026, 12, 8, 21, 7, 3};
        form.Form_Load();
        form.START_Click();
        positions.push_back(kiftest::positionOf(form));
    }
    void play(int plies) {
        for (int i = 0; i < plies; ++i) {
            recordtest::playMoves(*this, random, 1, false);
            positions.push_back(kiftest::positionOf(form));
        }
    }
    // Plays on until the side to move can take a king (and takes it).
    void playToAKingsCapture() {
        for (;;) {
            if (const auto capture = kiftest::kingCapture(form, form.turn == form.upperSide)) {
                positions.push_back(positions.back());  // what stands after it is no record's
                recordtest::clickMove(form, *capture);  // (and may end the program)
                return;
            }
            play(1);
        }
    }
    std::vector<fs::path> kept() const {
        std::vector<fs::path> files;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(games, error)) files.push_back(entry.path());
        return files;
    }
};

// The board and hands a kept file's moves lead to.
kif::Position lastPositionOf(const fs::path& file) {
    const auto read = kif::readKif(recordtest::readBytes(file.string()), kif::Format::Kifu);
    EXPECT_TRUE(std::holds_alternative<kif::Game>(read)) << file;
    if (!std::holds_alternative<kif::Game>(read)) return {};
    kif::Position last = kiftest::replay(std::get<kif::Game>(read)).back();
    return last;
}

bool sameBoardAndHands(kif::Position a, kif::Position b) {
    a.toMove = b.toMove;
    return a == b;
}

TEST(KeptGames, EveryWayAGameEndsKeepsItOnce) {
    const struct {
        const char* what;
        std::function<void(KeepingGame&)> end;
        // The move the kept record ends with: the game's last, or fewer when
        // a king was taken (a record ends before the move that lost the king).
        int movesLeftOut;
    } ways[] = {
        {"a king taken, and a new game", [](KeepingGame& g) { g.playToAKingsCapture(); }, 2},
        {"a king taken, and no more",
         [](KeepingGame& g) {
             g.platform.answers = {BoxAnswer::Ok, BoxAnswer::No};
             g.playToAKingsCapture();
         },
         2},
        {"left at the start (最初)", [](KeepingGame& g) { g.form.CANCEL_Click(); }, 0},
        {"the board turned", [](KeepingGame& g) { g.form.REVERSE_Click(); }, 0},
        {"another record read",
         [](KeepingGame& g) {
             g.form.CANCEL_Click();  // keeps it: reading another record afterwards keeps nothing more
             g.form.Dir1_Change(g.games.string());
             g.form.File1_Click(g.kept().front().filename().string());
         },
         0},
        {"the program ended from the menu", [](KeepingGame& g) { g.form.menuClick(Menu::OWARI); }, 0},
        {"Esc", [](KeepingGame& g) { g.form.Form_KeyPress(Form1::ESC_KEY); }, 0},
        {"the window closed", [](KeepingGame& g) { g.form.Form_Unload(); }, 0},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        KeepingGame g;
        g.play(12);
        try {
            way.end(g);
        } catch (const ProgramEnd&) {
        }
        const std::vector<fs::path> kept = g.kept();
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(kept.front().filename(), "2026-12-08_21-07-03.kifu");
        const int recorded = static_cast<int>(g.positions.size()) - 1;
        EXPECT_TRUE(sameBoardAndHands(lastPositionOf(kept.front()), g.positions[recorded - way.movesLeftOut]));
    }
}

TEST(KeptGames, TheComputerMatedIsKeptWithItsMate) {
    recordtest::GameKind mated;
    for (const recordtest::GameKind& kind : recordtest::gameKinds())
        if (kind.name == "the computer mated") mated = kind;
    KeepingGame g;
    g.form.CANCEL_Click();  // nothing to keep yet
    mated.play(g, g.random);
    ASSERT_EQ(g.kept().size(), 1u);
    const auto read = kif::readKif(recordtest::readBytes(g.kept().front().string()), kif::Format::Kifu);
    ASSERT_TRUE(std::holds_alternative<kif::Game>(read));
    EXPECT_EQ(std::get<kif::Game>(read).ending, kif::Ending::Mated);
}

TEST(KeptGames, NothingIsKeptWhenTurnedOffOrWithoutAMoveOrFromAFile) {
    {
        KeepingGame g;
        g.form.menuClick(Menu::HOZON);  // ｵﾌﾟｼｮﾝ ▸ 対局を保存 off
        g.play(6);
        g.form.CANCEL_Click();
        EXPECT_TRUE(g.kept().empty());
        EXPECT_FALSE(g.form.isChecked(Menu::HOZON));
    }
    {
        KeepingGame g;
        g.form.CANCEL_Click();
        EXPECT_THROW(g.form.Form_Unload(), ProgramEnd);
        EXPECT_TRUE(g.kept().empty()) << "a game without a move";
    }
    {
        KeepingGame g;
        g.play(6);
        g.form.CANCEL_Click();
        ASSERT_EQ(g.kept().size(), 1u);
        g.form.Dir1_Change(g.games.string());
        g.form.File1_Click(g.kept().front().filename().string());
        for (int n = 0; n < 6; ++n) g.form.AFTER_Click();
        g.form.CANCEL_Click();
        EXPECT_EQ(g.kept().size(), 1u) << "a record read and stepped through is in its file already";
    }
}

}  // namespace
