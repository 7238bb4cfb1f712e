// The piece-code rules and the reset to the initial position.

#include <gtest/gtest.h>

#include "game/PieceCode.h"
#include "tests/support/TestForm.h"

namespace {

struct CodeCase {
    int code;
    int handIndex;
    bool upper, lower;
};

TEST(PieceCode, OwnerAndHandIndexFollowTheTable) {
    const CodeCase cases[] = {
        {10, 1, true, false},   {11, 1, true, false},  {-20, 2, false, true},  {-21, 2, false, true},
        {30, 3, true, false},   {-31, 3, false, true}, {100, 4, true, false},  {-101, 4, false, true},
        {110, 5, true, false},  {111, 5, true, false}, {-111, 5, false, true}, {800, 6, true, false},
        {-801, 6, false, true}, {900, 7, true, false}, {-901, 7, false, true}, {950, 0, true, false},
        {-950, 0, false, true}, {0, 0, false, false},  {9, 0, false, false},   {-9, 0, false, false},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(piece::handIndex(c.code), c.handIndex);
        EXPECT_EQ(piece::isUpper(c.code), c.upper);
        EXPECT_EQ(piece::isLower(c.code), c.lower);
    }
}

TEST(PieceCode, PromotionMovesAwayFromZero) {
    EXPECT_EQ(piece::promoted(10), 11);
    EXPECT_EQ(piece::promoted(-10), -11);
    EXPECT_EQ(piece::promoted(800), 801);
    EXPECT_EQ(piece::promoted(-900), -901);
}

TEST(PieceCode, StandSquaresOfHandIndices) {
    // A lower silver drops from (11, 6); the upper rook's stand row is 1 but its source row is 7.
    EXPECT_EQ(piece::lowerStandRow(4), 6);
    EXPECT_EQ(piece::upperStandRow(4), 4);
    EXPECT_EQ(piece::upperStandRow(7), 1);
    EXPECT_EQ(piece::ofHandIndex(7), 900);
    EXPECT_EQ(piece::ofHandIndex(0), 0);
}

TEST(Reset, LeavesTheInitialPositionAndNoGame) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    // Dirty every per-game value, then reset.
    f.turn = f.SENTE;
    f.gameMode = Form1::MODE_COM;
    f.moveNumber = 12;
    f.recordIndex = 7;
    f.winner = 1;
    f.handicapLevel = 3;
    f.handicapSet = Form1::ON;
    f.reversed = Form1::ON;
    f.kifuMode = Form1::ON;
    f.resumePending = Form1::ON;
    f.lowerHand[3] = 2;
    f.upperTime = 5;
    f.comLevel = 1;
    f.lowerSide = f.SENTE;
    f.upperSide = f.GOTE;
    f.board[5][5] = Form1::UPPER_ROOK;
    f.初期設定();

    EXPECT_EQ(f.turn, Form1::NO_GAME);
    EXPECT_EQ(f.gameMode, Form1::MODE_HUMAN);
    EXPECT_EQ(f.moveNumber, 0);
    EXPECT_EQ(f.recordIndex, 0);
    EXPECT_EQ(f.winner, 0);
    EXPECT_EQ(f.handicapLevel, 0);
    EXPECT_EQ(f.handicapSet, Form1::OFF);
    EXPECT_EQ(f.reversed, Form1::OFF);
    EXPECT_EQ(f.kifuMode, Form1::OFF);
    EXPECT_EQ(f.resumePending, Form1::OFF);
    EXPECT_EQ(f.lowerHandCount, 0);
    EXPECT_EQ(f.lowerHand[3], 0);
    EXPECT_EQ(f.upperTime, 0);
    EXPECT_EQ(f.moveRecord.placedPiece[0], Form1::UPPER_PAWN);
    // The sides and the level belong to the last game and survive the reset.
    EXPECT_EQ(f.comLevel, 1);
    EXPECT_EQ(f.lowerSide, f.SENTE);
    EXPECT_EQ(f.board[5][5], Form1::EMPTY);
    EXPECT_EQ(sfen::of(f), "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1");
}

TEST(Reset, RowAndColumnZeroStayEmpty) {
    TestForm t;
    t.form.Form_Load();
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(t.form.board[0][i], Form1::EMPTY);
        EXPECT_EQ(t.form.board[i][0], Form1::EMPTY);
    }
}

TEST(StartUp, SidesLevelAndColoursAfterLoad) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    EXPECT_EQ(f.upperSide, f.SENTE);
    EXPECT_EQ(f.lowerSide, f.GOTE);
    EXPECT_EQ(f.comLevel, 3);
    EXPECT_TRUE(f.isChecked(Menu::LEVEL3));
    EXPECT_FALSE(f.isChecked(Menu::LEVEL1));
    EXPECT_EQ(f.textColor, 15);
    EXPECT_EQ(f.accentColor, 12);
    EXPECT_EQ(f.labelColor, 14);
    EXPECT_EQ(f.boardLeft, 1050);
    EXPECT_EQ(f.squareHeight, 615);
    EXPECT_TRUE(f.fontBold);  // bold once the labels are drawn
}

}  // namespace
