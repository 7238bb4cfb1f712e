// The move record, its notation beside the board, and the 500-move limit.

#include <gtest/gtest.h>

#include "tests/support/TestForm.h"

namespace {

TEST(MoveRecord, StoresFromEntryOneAndCutsTheRecordAfterAStepBack) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.手順保存(3, 7, 3, 6, -10, 0, 0, 12.7, 0, 0);
    EXPECT_EQ(f.recordIndex, 1);
    EXPECT_EQ(f.recordLength, 1);
    EXPECT_EQ(f.moveRecord.fromX[1], 3);
    EXPECT_EQ(f.moveRecord.capturedPiece[1], 0);
    EXPECT_DOUBLE_EQ(f.moveRecord.lowerTimeAfter[1], 12.7);
    f.手順保存(3, 3, 3, 4, 10, 10, 0, 0, 0, 0);
    f.手順保存(3, 6, 3, 4, -10, -10, 0, 0, 0, 0);  // onto the upper pawn still standing there
    EXPECT_EQ(f.moveRecord.capturedPiece[3], 0);
    f.board[3][4] = 10;
    f.recordIndex = 1;  // three steps back would leave 1
    f.手順保存(3, 6, 3, 4, -10, -10, 0, 0, 0, 0);
    EXPECT_EQ(f.recordIndex, 2);
    EXPECT_EQ(f.recordLength, 2);
    EXPECT_EQ(f.moveRecord.capturedPiece[2], 10);
}

TEST(Notation, CharacterTable) {
    struct {
        int code;
        const char* text;
    } cases[] = {
        {1, "１"},     {9, "９"},    {1001, "一"},  {1009, "九"}, {10, "歩"},     {-11, "と"}, {20, "香"},
        {-21, "香成"}, {30, "桂"},   {31, "桂成"},  {100, "銀"},  {-101, "銀成"}, {110, "金"}, {800, "角"},
        {801, "角成"}, {-900, "飛"}, {901, "飛成"}, {-950, "王"}, {111, ""},      {0, ""},     {1010, ""},
    };
    for (const auto& c : cases) EXPECT_STREQ(Form1::文字列変換(c.code), c.text) << c.code;
}

TEST(Notation, PrintedPerSideWithShadow) {
    TestForm t;
    t.form.Form_Load();
    t.form.lowerSide = 1;
    t.form.upperSide = -1;
    t.takeTrace();
    t.platform.traceDraw = true;
    // A lower pawn promoting on column 3, row 2 reads ７二と at the upper right.
    t.form.描画_移動結果(1, 3, 2, -11, 15);
    EXPECT_EQ(t.takeTrace(),
              "draw picture 2 6990 1330\n"
              "draw picture 2 7485 1330\n"
              "draw picture 2 7980 1330\n"
              "draw text \"７\" 7238 1638 12 0\n"
              "draw text \"７\" 7188 1576 12 15\n"
              "draw text \"二\" 7436 1638 12 0\n"
              "draw text \"二\" 7386 1576 12 15\n"
              "draw text \"と\" 7733 1638 12 0\n"
              "draw text \"と\" 7683 1576 12 15\n");
    // The upper side's move goes to the lower left and restores the corner outline.
    t.form.描画_移動結果(-1, 7, 6, 901, 15);
    const std::string upper = t.takeTrace();
    EXPECT_NE(upper.find("draw text \"３\" 308 5328 12 0\n"), std::string::npos) << upper;
    EXPECT_NE(upper.find("draw text \"飛成\" 803 5328 12 0\n"), std::string::npos) << upper;
    EXPECT_NE(upper.rfind("draw rect 2 1545 5020 2040 5635\n"), std::string::npos) << upper;
}

TEST(MoveRecord, TheFiveHundredAndFirstMoveIsRefused) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.START_Click();
    for (int n = 1; n <= Form1::RECORD_CAPACITY; ++n) f.手順保存(5, 5, 5, 4, -10, -10, 0, 0, 0, 0);
    f.moveNumber = Form1::RECORD_CAPACITY;
    t.takeTrace();
    const std::string before = sfen::of(f);
    clickCell(f, Form1::LEFT_BUTTON, 7, 7);
    clickCell(f, Form1::LEFT_BUTTON, 7, 6);
    EXPECT_EQ(sfen::of(f), before);
    EXPECT_EQ(f.recordIndex, Form1::RECORD_CAPACITY);
    EXPECT_EQ(f.clickState, 0);
    EXPECT_NE(t.takeTrace().find("msgbox \"棋譜\" \"棋譜が一杯です"), std::string::npos);
    // The game can still be stepped back, and then played on.
    f.REPLAY_Click();
    EXPECT_EQ(f.recordIndex, Form1::RECORD_CAPACITY - 1);
}

}  // namespace

namespace {

TEST(MoveRecord, AHandicapGameIsNotReplayedOnTheFullBoardAfterAReset) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.LBEL_UP_Click();  // the upper bishop leaves (8, 2)
    f.START_Click();
    const auto click = [&](int x, int y) { clickCell(f, Form1::LEFT_BUTTON, x, y); };
    click(7, 7);
    click(7, 6);
    click(2, 2);
    click(8, 2);  // the rook crosses to where the bishop was
    ASSERT_EQ(f.board[8][2], Form1::UPPER_ROOK);
    f.CANCEL_Click();
    EXPECT_EQ(f.recordLength, 0);
    f.START_Click();
    f.AFTER_Click();
    EXPECT_EQ(f.board[8][2], Form1::UPPER_BISHOP);
    EXPECT_EQ(f.recordIndex, 0);
}

}  // namespace

namespace {

TEST(MoveRecord, MovesMadeOnATurnedBoardAreNotReplayedAfterAReset) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.START_Click();
    f.REVERSE_Click();
    const auto click = [&](int x, int y) { clickCell(f, Form1::LEFT_BUTTON, x, y); };
    // On the turned board the side to move holds the upper pieces.
    click(3, 3);
    click(3, 4);
    ASSERT_EQ(f.recordLength, 1);
    f.CANCEL_Click();
    EXPECT_EQ(f.recordLength, 0);
    f.START_Click();
    f.AFTER_Click();
    EXPECT_EQ(sfen::of(f).substr(0, 62), "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - ");
}

}  // namespace
