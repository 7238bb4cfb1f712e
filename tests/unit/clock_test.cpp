// The game clock: elapsed seconds across midnight, the time text, and a
// display that changes once per whole second.

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"
#include "tests/support/TestForm.h"

namespace {

TEST(Clock, ElapsedSecondsCrossMidnight) {
    EXPECT_DOUBLE_EQ(Form1::調査_経過秒(100, 160.5), 60.5);
    EXPECT_DOUBLE_EQ(Form1::調査_経過秒(86390, 15), 25);
    EXPECT_DOUBLE_EQ(Form1::調査_経過秒(5, 5), 0);
}

TEST(Clock, TimeText) {
    struct {
        double seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},      {59.9, "00:00:59"}, {3725.4, "01:02:05"}, {86399, "23:59:59"},
        {359999, "99:59:59"}, {360000, ":00:00"}, {3600, "01:00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(Form1::調査_時間秒追加結果(c.seconds), c.text) << c.seconds;
    EXPECT_EQ(Form1::変換_数字から文字(7), "07");
    EXPECT_EQ(Form1::変換_数字から文字(42), "42");
    EXPECT_EQ(Form1::変換_数字から文字(123), "");
}

struct RunningClock : testing::Test {
    TempFolder folder;
    TestForm t;
    void SetUp() override {
        t.form.Form_Load();  // the first start ticks 経過時間
        t.platform.clock = 1000;
        t.form.START_Click();
        t.takeTrace();
        t.platform.traceDraw = true;
    }
    int clockDrawings() {
        const std::string trace = t.takeTrace();
        int n = 0;
        for (size_t at = trace.find("draw text \"00:00:"); at != std::string::npos;
             at = trace.find("draw text \"00:00:", at + 1))
            ++n;
        return n;
    }
};

TEST_F(RunningClock, RedrawsOncePerWholeSecond) {
    ASSERT_TRUE(t.form.timer1Enabled);
    for (int tick = 1; tick <= 60; ++tick) {  // three seconds of 50 ms ticks
        t.platform.clock = 1000 + tick * 0.05;
        t.form.Timer1_Timer();
    }
    EXPECT_EQ(clockDrawings(), 3 * 2);  // each second once, with its shadow
    EXPECT_NEAR(t.form.moveElapsed, 3.0, 1e-9);
    EXPECT_EQ(t.form.shownSecond, 3);
}

TEST_F(RunningClock, TheMoverAddsTheRunningMoveToItsTotal) {
    t.platform.clock = 1012.7;
    t.form.Timer1_Timer();
    clickCell(t.form, Form1::LEFT_BUTTON, 7, 7);
    clickCell(t.form, Form1::LEFT_BUTTON, 7, 6);
    EXPECT_NEAR(t.form.lowerTime, 12.7, 1e-9);
    EXPECT_NEAR(t.form.moveRecord.lowerTimeAfter[1], 12.7, 1e-9);
    EXPECT_DOUBLE_EQ(t.form.moveStartTime, 1012.7);
}

TEST_F(RunningClock, UntickedNothingIsDrawn) {
    t.form.KEIKA_Click();
    EXPECT_FALSE(t.form.isChecked(Menu::KEIKA));
    EXPECT_FALSE(t.form.timer1Enabled);
    t.takeTrace();
    t.platform.clock = 1005;
    t.form.Timer1_Timer();
    t.form.描画_所有時間(t.form.lowerSide, 30);
    EXPECT_EQ(clockDrawings(), 0);
}

TEST(Clock, TickingWithoutAGameDrawsNothing) {
    TempFolder folder;
    TestForm t;
    t.form.Form_Load();
    t.form.KEIKA_Click();  // off
    t.takeTrace();
    t.platform.traceDraw = true;
    t.form.KEIKA_Click();  // on: both totals drawn, the timer runs
    const std::string drawn = t.takeTrace();
    EXPECT_NE(drawn.find("draw text \"00:00:00\" 7485 5758 12 15"), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("draw text \"00:00:00\" 258 5758 12 15"), std::string::npos) << drawn;
    EXPECT_TRUE(t.form.timer1Enabled);
    t.platform.clock = 10;
    t.form.Timer1_Timer();
    EXPECT_EQ(t.takeTrace(), "");
}

}  // namespace
