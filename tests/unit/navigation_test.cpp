// Stepping through the move record: back and forward over every kind of move,
// the messages at both ends, turning the board round, and back to the start.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/PieceCode.h"
#include "tests/support/RecordGames.h"
#include "tests/support/TestForm.h"

namespace {

using recordtest::Step;

constexpr const char* START_POSITION = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL";
constexpr const char* REFUSAL = "sound play 禁止.wav\n";
constexpr const char* PIECE = "sound play 駒打音.wav\n";

// Two people play: ７六歩 ３四歩 ２二角成 (taking the bishop) 同銀 (taking the
// horse) ５五角 (dropped) ９五角 (dropped), each side's clock running. Returns
// the state before the first and after every move.
std::vector<Step> playKnownGame(TestForm& t) {
    Form1& f = t.form;
    f.Form_Load();
    f.setChecked(Menu::KEIKA, true);
    t.platform.clock = 1000;
    f.START_Click();
    const struct {
        double seconds;
        int fromX, fromY, toX, toY, button;
    } moves[] = {
        {12.7, 3, 7, 3, 6, Form1::LEFT_BUTTON}, {3.2, 7, 3, 7, 4, Form1::LEFT_BUTTON},
        {4, 2, 8, 8, 2, Form1::RIGHT_BUTTON},   {5, 7, 1, 8, 2, Form1::LEFT_BUTTON},
        {6, 11, 8, 5, 5, Form1::LEFT_BUTTON},   {7, -1, 2, 1, 5, Form1::LEFT_BUTTON},
    };
    std::vector<Step> steps{recordtest::stepOf(f)};
    for (const auto& m : moves) {
        t.platform.clock += m.seconds;
        f.Timer1_Timer();
        clickCell(f, Form1::LEFT_BUTTON, m.fromX, m.fromY);
        clickCell(f, m.button, m.toX, m.toY);
        steps.push_back(recordtest::stepOf(f));
    }
    EXPECT_EQ(f.recordIndex, 6);
    t.takeTrace();
    return steps;
}

// What each move of the known game leaves behind, checked when it is undone
// and when it is made again.
TEST(Navigation, BackAndForwardOverCapturesDropsAndPromotions) {
    TestForm t;
    Form1& f = t.form;
    const std::vector<Step> steps = playKnownGame(t);
    const Form1::MoveRecord& r = f.moveRecord;
    const struct {
        int move;
        int square[2][3];  // x, y, code after the move is undone; x, y, code after it is made
        int lowerBishops[2], upperBishops[2];
    } cases[] = {
        {6, {{1, 5, 0}, {1, 5, 800}}, {0, 0}, {1, 0}},         // the upper drop back to the stand
        {5, {{5, 5, 0}, {5, 5, -800}}, {1, 0}, {1, 1}},        // the lower drop back to the stand
        {4, {{8, 2, -801}, {8, 2, 100}}, {1, 1}, {0, 1}},      // the horse back on its square
        {3, {{2, 8, -800}, {8, 2, -801}}, {0, 1}, {0, 0}},     // unpromoted on the source
        {3, {{8, 2, 800}, {2, 8, 0}}, {0, 1}, {0, 0}},         // the taken bishop back
        {1, {{3, 7, -10}, {3, 6, -10}}, {0, 0}, {0, 0}},
    };
    for (int n = 6; n >= 1; --n) {
        f.REPLAY_Click();
        SCOPED_TRACE("back over move " + std::to_string(n));
        EXPECT_EQ(t.takeTrace(), PIECE);
        EXPECT_EQ(f.recordIndex, n - 1);
        EXPECT_EQ(f.moveNumber, n - 1);
        const Step now = recordtest::stepOf(f);
        EXPECT_EQ(now.sfen, steps[n - 1].sfen);
        EXPECT_EQ(now.lowerHandCount, steps[n - 1].lowerHandCount);
        EXPECT_EQ(now.upperHandCount, steps[n - 1].upperHandCount);
        // The clocks as they stood before the move.
        EXPECT_EQ(f.lowerTime, r.lowerTimeBefore[n]);
        EXPECT_EQ(f.upperTime, r.upperTimeBefore[n]);
        for (const auto& c : cases)
            if (c.move == n) {
                EXPECT_EQ(f.board[c.square[0][0]][c.square[0][1]], c.square[0][2]);
                EXPECT_EQ(f.lowerHand[6], c.lowerBishops[0]);
                EXPECT_EQ(f.upperHand[6], c.upperBishops[0]);
            }
        EXPECT_EQ(f.resumePending, Form1::ON);
        EXPECT_FALSE(f.timer1Enabled);
    }
    for (int n = 1; n <= 6; ++n) {
        f.AFTER_Click();
        SCOPED_TRACE("forward over move " + std::to_string(n));
        EXPECT_EQ(t.takeTrace(), PIECE);
        const Step now = recordtest::stepOf(f);
        EXPECT_EQ(now.sfen, steps[n].sfen);
        EXPECT_EQ(now.lowerHandCount, steps[n].lowerHandCount);
        EXPECT_EQ(now.upperHandCount, steps[n].upperHandCount);
        EXPECT_EQ(f.lowerTime, r.lowerTimeAfter[n]);
        EXPECT_EQ(f.upperTime, r.upperTimeAfter[n]);
        for (const auto& c : cases)
            if (c.move == n) {
                EXPECT_EQ(f.board[c.square[1][0]][c.square[1][1]], c.square[1][2]);
                EXPECT_EQ(f.lowerHand[6], c.lowerBishops[1]);
                EXPECT_EQ(f.upperHand[6], c.upperBishops[1]);
            }
    }
}

// The refusals at both ends of the record, each with its title and sound.
TEST(Navigation, MessagesAtTheEnds) {
    const struct Case {
        const char* what;
        int moves;      // moves of the known game played first (-1: no game started)
        bool loaded;    // stepping a record read from a file instead
        void (Form1::*command)();
        std::string trace;
        int resumePending;
    } cases[] = {
        {"forward before a game", -1, false, &Form1::AFTER_Click,
         std::string(REFUSAL) + "msgbox \"開始\" \"「対局」で始めて下さい\" OK -> OK\n", Form1::OFF},
        {"back before a game", -1, false, &Form1::REPLAY_Click,
         std::string(REFUSAL) + "msgbox \"戻る\" \"できません\" OK -> OK\n", Form1::ON},
        {"back at the start of a game", 0, false, &Form1::REPLAY_Click,
         std::string(REFUSAL) + "msgbox \"戻る\" \"できません\" OK -> OK\n", Form1::ON},
        {"forward at the end of a game", 6, false, &Form1::AFTER_Click,
         std::string(REFUSAL) + "msgbox \"進む\" \"できません\" OK -> OK\n", Form1::ON},
        {"forward at the end of a record", 6, true, &Form1::AFTER_Click, "msgbox \"進む\" \"終わり\" OK -> OK\n",
         Form1::ON},
        {"back at the start of a record", 0, true, &Form1::REPLAY_Click,
         std::string(REFUSAL) + "msgbox \"戻る\" \"できません\" OK -> OK\n", Form1::ON},
        {"reverse in record mode", 3, true, &Form1::REVERSE_Click,
         std::string(REFUSAL) + "msgbox \"反転\" \"棋譜ﾓｰﾄﾞではできません\" OK -> OK\n", Form1::ON},
    };
    const std::string folder = recordtest::freshFolder("ends");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestForm t;
        Form1& f = t.form;
        if (c.moves < 0) {
            f.Form_Load();
        } else {
            playKnownGame(t);
            if (c.loaded) {  // saved and read back
                f.Dir1_Change(folder);
                f.KIFU_WRITE_Click();
                f.setPanelText(FILE_NAME_BOX, "known");
                f.Command1_Click();
                f.File1_Click("known.棋譜");
                ASSERT_EQ(f.kifuMode, Form1::ON);
                while (f.recordIndex < c.moves) f.AFTER_Click();
            }
            while (f.recordIndex > c.moves) f.REPLAY_Click();
        }
        f.KIFU_READ_Click();
        t.takeTrace();
        const std::string before = sfen::of(f);
        const int index = f.recordIndex;
        (f.*c.command)();
        EXPECT_EQ(t.takeTrace(), c.trace);
        EXPECT_EQ(sfen::of(f), before);
        EXPECT_EQ(f.recordIndex, index);
        EXPECT_EQ(f.resumePending, c.resumePending);
        if (c.command != &Form1::REVERSE_Click) {
            EXPECT_FALSE(f.filePanel.drive1Visible || f.filePanel.file1Visible);
        }
    }
    std::filesystem::remove_all(folder);
}

// Turning the board: every piece to the opposite square and the other side,
// the hands and their totals exchanged, the kings found where they now stand;
// the record can no longer be stepped. Turning twice restores the pieces, not
// the record.
TEST(Navigation, ReverseTwice) {
    TestForm t;
    Form1& f = t.form;
    playKnownGame(t);
    f.REPLAY_Click();  // the upper side holds a bishop, the lower side none
    const Form1 before = f;
    f.lowerKingX = f.lowerKingY = f.upperKingX = f.upperKingY = 0;
    t.takeTrace();
    f.REVERSE_Click();
    EXPECT_NE(t.takeTrace().find(PIECE), std::string::npos);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(f.board[10 - x][10 - y], -before.board[x][y]) << x << "," << y;
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(f.lowerHand[k], before.upperHand[k]);
        EXPECT_EQ(f.upperHand[k], before.lowerHand[k]);
    }
    EXPECT_EQ(f.lowerHandCount, before.upperHandCount);
    EXPECT_EQ(f.upperHandCount, before.lowerHandCount);
    EXPECT_EQ(f.upperHandCount, 0);
    EXPECT_EQ(f.lowerHandCount, 1);
    EXPECT_EQ(f.board[f.lowerKingX][f.lowerKingY], Form1::LOWER_KING);
    EXPECT_EQ(f.board[f.upperKingX][f.upperKingY], Form1::UPPER_KING);
    EXPECT_EQ(f.turn, -before.turn);
    EXPECT_EQ(f.reversed, Form1::ON);
    EXPECT_EQ(f.recordIndex, 0);
    EXPECT_EQ(f.recordLength, 0);

    f.REVERSE_Click();
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) EXPECT_EQ(f.board[x][y], before.board[x][y]) << x << "," << y;
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(f.lowerHand[k], before.lowerHand[k]);
        EXPECT_EQ(f.upperHand[k], before.upperHand[k]);
    }
    EXPECT_EQ(f.lowerHandCount, before.lowerHandCount);
    EXPECT_EQ(f.upperHandCount, before.upperHandCount);
    EXPECT_EQ(f.board[f.lowerKingX][f.lowerKingY], Form1::LOWER_KING);
    EXPECT_EQ(f.board[f.upperKingX][f.upperKingY], Form1::UPPER_KING);
    EXPECT_EQ(f.turn, before.turn);
    EXPECT_EQ(f.reversed, Form1::ON);
    EXPECT_EQ(f.recordIndex, 0);
    EXPECT_EQ(f.recordLength, 0);
    t.takeTrace();
    f.AFTER_Click();
    f.REPLAY_Click();
    EXPECT_EQ(t.takeTrace(), std::string(REFUSAL) + "msgbox \"進む\" \"できません\" OK -> OK\n" + REFUSAL +
                                 "msgbox \"戻る\" \"できません\" OK -> OK\n");
}

// 最初 resets to the start but keeps the record's length: after a new start
// the game can be stepped through again.
TEST(Navigation, CancelKeepsTheGameForStepping) {
    TestForm t;
    Form1& f = t.form;
    const std::vector<Step> steps = playKnownGame(t);
    f.REPLAY_Click();
    f.REPLAY_Click();
    t.takeTrace();
    f.CANCEL_Click();
    EXPECT_EQ(t.takeTrace(), PIECE);
    EXPECT_EQ(sfen::of(f), std::string(START_POSITION) + " w - 1");  // no game: the turn is not the lower side's
    EXPECT_EQ(f.turn, Form1::NO_GAME);
    EXPECT_EQ(f.recordIndex, 0);
    EXPECT_EQ(f.moveNumber, 0);
    EXPECT_EQ(f.recordLength, 6);
    EXPECT_EQ(f.lowerTime, 0);
    EXPECT_EQ(f.upperTime, 0);
    EXPECT_EQ(f.resumePending, Form1::OFF);
    f.START_Click();
    for (int n = 1; n <= 6; ++n) {
        f.AFTER_Click();
        EXPECT_EQ(recordtest::stepOf(f).sfen, steps[n].sfen) << n;
    }
}

// The side to move after a step is the one the record says, whatever side a
// new start handed the first move to: a game the computer opened, stepped
// again after 最初 and スタート, goes on with the lower side to move.
TEST(Navigation, StepsLeaveTheSideToMoveOfTheRecord) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.GOTE_Click();  // the computer opens
    ASSERT_EQ(f.recordIndex, 1);
    clickCell(f, Form1::LEFT_BUTTON, 7, 7);
    clickCell(f, Form1::LEFT_BUTTON, 7, 6);
    ASSERT_EQ(f.recordIndex, 3);
    f.CANCEL_Click();
    f.START_Click();  // the lower side would open a new game
    for (int n = 1; n <= 3; ++n) {
        f.AFTER_Click();
        EXPECT_EQ(f.turn, n % 2 == 1 ? f.lowerSide : f.upperSide) << n;
    }
    for (int n = 3; n >= 1; --n) {
        f.REPLAY_Click();
        EXPECT_EQ(f.turn, n % 2 == 1 ? f.upperSide : f.lowerSide) << n;
    }
    // Play goes on from move 1 with the lower side, so the record alternates.
    f.AFTER_Click();
    clickCell(f, Form1::LEFT_BUTTON, 3, 7);
    clickCell(f, Form1::LEFT_BUTTON, 3, 6);
    EXPECT_EQ(f.recordIndex, 2);
    EXPECT_EQ(f.moveRecord.movedPiece[2], Form1::LOWER_PAWN);
}

}  // namespace
