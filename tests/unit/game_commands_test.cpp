// Game commands that start or continue a game.

#include <gtest/gtest.h>

#include "tests/support/TestForm.h"

namespace {

void click(Form1& f, int x, int y) { clickCell(f, Form1::LEFT_BUTTON, x, y); }

// Two people open with a pawn each.
void twoOpeningMoves(Form1& f) {
    f.Form_Load();
    f.START_Click();
    click(f, 7, 7);
    click(f, 7, 6);
    click(f, 3, 3);
    click(f, 3, 4);
}

TEST(GameCommands, AComputerGameAfterTurningTheBoardDoesNotReviveTheRecord) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.START_Click();
    click(f, 7, 7);
    click(f, 7, 6);
    f.REVERSE_Click();  // the record is emptied; the lower side is to move again
    const std::string turned = sfen::of(f);
    f.SENTE_Click();
    EXPECT_EQ(f.recordLength, 0);
    f.AFTER_Click();  // nothing left to replay onto the turned board
    EXPECT_EQ(sfen::of(f), turned);
}

TEST(GameCommands, AComputerGameAfterSteppingBackCutsTheRecordThere) {
    TestForm t;
    Form1& f = t.form;
    twoOpeningMoves(f);
    f.REPLAY_Click();
    f.SENTE_Click();  // the computer (upper side) is to move: it plays at once
    EXPECT_EQ(f.recordIndex, 2);
    EXPECT_EQ(f.recordLength, 2);
    EXPECT_EQ(f.turn, f.lowerSide);
}

}  // namespace

namespace {

TEST(GameCommands, TwoPeopleEachRunTheirOwnClockInTheRecord) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    t.platform.clock = 100;
    f.START_Click();
    t.platform.clock = 105;
    f.Timer1_Timer();
    click(f, 7, 7);
    click(f, 7, 6);
    t.platform.clock = 112;
    f.Timer1_Timer();
    click(f, 3, 3);
    click(f, 3, 4);
    EXPECT_DOUBLE_EQ(f.lowerTime, 5);
    EXPECT_DOUBLE_EQ(f.upperTime, 7);
    EXPECT_DOUBLE_EQ(f.moveRecord.lowerTimeAfter[2], 5);
    EXPECT_DOUBLE_EQ(f.moveRecord.upperTimeAfter[2], 7);
    f.REPLAY_Click();
    f.REPLAY_Click();
    f.AFTER_Click();
    f.AFTER_Click();
    EXPECT_DOUBLE_EQ(f.lowerTime, 5);
    EXPECT_DOUBLE_EQ(f.upperTime, 7);
}

TEST(GameCommands, AFinishedGameIsNotReplayedOntoTheTakingOfAKing) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.START_Click();
    t.position("4k4/9/9/9/9/9/9/4r4/4K4 b - 1");
    f.turn = f.upperSide;
    click(f, 5, 8);
    click(f, 5, 9);  // the upper rook takes the king; Yes to "続けますか？" resets
    EXPECT_EQ(f.turn, Form1::NO_GAME);
    EXPECT_EQ(f.recordLength, 0);
}

}  // namespace

namespace {

TEST(GameCommands, AHandicapStepDropsTheSelection) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.START_Click();
    f.LEBEL_DOWN_Click();  // level -1: the lower bishop leaves
    click(f, 8, 8);        // select the lower rook ...
    f.LEBEL_DOWN_Click();  // ... which level -2 takes off
    EXPECT_EQ(f.clickState, 0);
    click(f, 6, 8);  // no rook may come back from nowhere
    EXPECT_EQ(f.board[6][8], Form1::EMPTY);
    EXPECT_EQ(f.board[8][8], Form1::EMPTY);
}

}  // namespace
