// Each side's accumulated thinking time, measured by a 50 ms timer and shown
// beside the board as hh:mm:ss while the 経過時間 option is ticked.

#include "game/Form1.h"

namespace {
constexpr double SECONDS_PER_DAY = 86400;
constexpr int CLOCK_FONT_SIZE = 12;
}  // namespace

void Form1::setTimer1(bool enabled) {
    timer1Enabled = enabled;
    platform.setTimerEnabled(enabled);
}

void Form1::Timer1_Timer() {
    if (!timer1Enabled) return;
    moveElapsed = 調査_経過秒(moveStartTime, platform.clockSeconds());
    const int second = static_cast<int>(moveElapsed);
    if (second == shownSecond) return;
    shownSecond = second;
    if (turn == upperSide)
        描画_所有時間(upperSide, moveElapsed + upperTime);
    else if (turn == lowerSide)
        描画_所有時間(lowerSide, moveElapsed + lowerTime);
    platform.refresh();
}

double Form1::調査_経過秒(double I_開始, double I_終了) {
    if (I_開始 <= I_終了) return I_終了 - I_開始;
    return I_終了 + (SECONDS_PER_DAY - I_開始);  // the clock passed midnight
}

std::string Form1::調査_時間秒追加結果(double IN_経過秒) {
    const double s = IN_経過秒;
    const int h = s >= 3600 ? static_cast<int>(s / 3600) : 0;
    const double r = s - 3600.0 * h;
    const int m = static_cast<int>(r / 60);
    const int seconds = static_cast<int>(r - 60.0 * m);
    return 変換_数字から文字(h) + ":" + 変換_数字から文字(m) + ":" + 変換_数字から文字(seconds);
}

std::string Form1::変換_数字から文字(int I_数字) {
    const std::string text = std::to_string(I_数字);
    if (text.size() == 1) return "0" + text;
    if (text.size() == 2) return text;
    return "";
}

void Form1::描画_所有時間(int IN_手番, double IN_思考時間) {
    if (!isChecked(Menu::KEIKA)) return;
    const std::string text = 調査_時間秒追加結果(IN_思考時間);
    消去_所有時間(IN_手番);
    if (IN_手番 == lowerSide) {
        描画_数値(13.1, 9.3, text, shadowColor, 0, CLOCK_FONT_SIZE);
        描画_数値(13.0, 9.2, text, textColor, 0, CLOCK_FONT_SIZE);
    } else if (IN_手番 == upperSide) {
        描画_数値(-1.5, 9.3, text, shadowColor, 0, CLOCK_FONT_SIZE);
        描画_数値(-1.6, 9.2, text, textColor, 0, CLOCK_FONT_SIZE);
        描画_桝輪郭(lineColor, 1, 9);  // the text reaches into the board's corner square
    }
}

void Form1::消去_所有時間(int IN_手番) {
    if (IN_手番 == lowerSide) {
        for (int x = 13; x <= 15; ++x) 描画_絵(backgroundKind, x, 9);
    } else if (IN_手番 == upperSide) {
        clearLeftOfBoard(9);
    }
}

void Form1::KEIKA_Click() {
    if (isChecked(Menu::KEIKA)) {
        setChecked(Menu::KEIKA, false);
        setTimer1(false);
        消去_所有時間(lowerSide);
        消去_所有時間(upperSide);
    } else {
        setChecked(Menu::KEIKA, true);
        setTimer1(true);
        描画_所有時間(upperSide, upperTime);
        描画_所有時間(lowerSide, lowerTime);
    }
    書込_環境設定ファイル();
}
