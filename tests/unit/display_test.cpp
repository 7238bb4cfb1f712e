// What the display paints, and where: read back from the trace of the headless platform.

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/TestForm.h"

namespace {

bool contains(const std::string& trace, const std::string& line) {
    std::istringstream in(trace);
    for (std::string l; std::getline(in, l);)
        if (l == line) return true;
    return false;
}

struct TracedForm : TestForm {
    TracedForm() {
        form.Form_Load();
        takeTrace();
        platform.traceDraw = true;
    }
};

TEST(Display, FullRedrawPutsLabelsCountsAndFieldsInTheirCells) {
    TracedForm t;
    t.position("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b 2Pr 1");
    t.form.gameMode = Form1::MODE_COM;
    t.form.handicapSet = Form1::ON;
    t.form.handicapLevel = 3;
    t.form.画面_再描画();
    const std::string trace = t.takeTrace();
    const char* expected[] = {
        "draw text \" 9 \" 1595 346 16 14",  // file 9 over column 1
        "draw text \" 9 \" 1644 408 16 0",   // and its shadow
        "draw text \" 1 \" 5555 346 16 14",  // file 1 over column 9
        "draw text \"一\" 6050 900 12 14",   // rank 1 right of the board
        "draw text \"九\" 6050 5820 12 14",
        "draw text \" 2 \" 6990 2068 14 12",  // two lower pawns in hand, beside stand row 3
        "draw text \" 2 \" 7040 2130 14 0",
        "draw picture -10 6495 1945",        // the pawn on the lower stand
        "draw text \" 1 \" 1050 838 14 12",  // one upper rook in hand, stand row 1
        "draw picture 900 555 715",
        "draw text \"LEVEL\" 308 162 10 15",  // the level field in a game against the computer
        "draw text \" 3 \" 1050 100 12 15",  "draw text \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級\" 6615 875 10 15",
        "draw picture 1 6545 100",         // the title
        "draw picture 950 3525 715",       // the upper king on (5, 1)
        "draw rect 2 3525 715 4020 1330",  // and its outline
    };
    for (const char* line : expected) EXPECT_TRUE(contains(trace, line)) << line;
}

TEST(Display, BackgroundNeverPaintsABoardSquare) {
    TracedForm t;
    t.form.描画_背景(Form1::BG_UCHU);
    std::istringstream in(t.takeTrace());
    int tiles = 0;
    for (std::string line; std::getline(in, line);) {
        int code, x, y;
        ASSERT_EQ(std::sscanf(line.c_str(), "draw picture %d %d %d", &code, &x, &y), 3) << line;
        EXPECT_EQ(code, Form1::BG_UCHU);
        const bool onBoard = x >= 1545 && x <= 5505 && y >= 715 && y <= 5635;
        EXPECT_FALSE(onBoard) << line;
        ++tiles;
    }
    EXPECT_EQ(tiles, 32 * 20 - 81);
}

TEST(Display, MoveNumberMovesLeftPerDigit) {
    struct {
        int number;
        const char* line;
    } cases[] = {
        {9, "draw text \" 9 \" 7584 2130 12 15"},
        {10, "draw text \" 10 \" 7535 2130 12 15"},
        {100, "draw text \" 100 \" 7485 2130 12 15"},
    };
    for (const auto& c : cases) {
        TracedForm t;
        t.form.描画_手数(c.number, 15);
        const std::string trace = t.takeTrace();
        EXPECT_TRUE(contains(trace, c.line)) << trace;
        EXPECT_TRUE(contains(trace, "draw text \"手目\" 8001 2167 10 15")) << trace;
    }
}

TEST(Display, TextFieldsThatPrintNothing) {
    TracedForm t;
    t.form.描画_数値(1, 1, 10, 15, 1, 12);  // kanji numerals exist for 1..9 only
    t.form.描画_文字列(1, 1, 11, 15, 10);   // no label 11
    t.form.描画_文字列(1, 1, -11, 15, 10);
    EXPECT_EQ(t.takeTrace(), "");
    t.form.描画_数値(1, 1, 7, 15, 1, 12);
    EXPECT_EQ(t.takeTrace(), "draw text \"七\" 1545 715 12 15\n");
    t.form.描画_数値(1, 1, -7, 15, 0, 12);
    EXPECT_EQ(t.takeTrace(), "draw text \"-7 \" 1545 715 12 15\n");
}

TEST(Display, EmptiedStandKindLeavesAnEmptyCellAndNoCount) {
    TracedForm t;
    t.position("9/9/9/9/9/9/9/9/9 b - 1");
    t.form.描画_自持盤();
    const std::string trace = t.takeTrace();
    EXPECT_TRUE(contains(trace, "draw picture 0 6495 1945"));
    EXPECT_TRUE(contains(trace, "draw picture 2 6990 1945"));
    EXPECT_EQ(trace.find("draw text"), std::string::npos);
}

TEST(Display, HandicapFieldAtLevelZero) {
    TracedForm t;
    t.form.描画_ハンデレベル(0);
    EXPECT_TRUE(contains(t.takeTrace(), "draw text \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級\" 6615 875 10 15"));
}

}  // namespace
