// What lies around the board: the background tiles and the coordinate labels.

#include "game/Form1.h"

namespace {
constexpr const char* KANJI_NUMERALS[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
}

void Form1::描画_桝_数値() {
    fontBold = true;
    for (int i = 1; i <= boardSize; ++i) {
        描画_絵(backgroundKind, i, 0);
        描画_数値(i + 0.2, 0.5, 10 - i, shadowColor, 0, 16);
        描画_数値(i + 0.1, 0.4, 10 - i, labelColor, 0, 16);
        描画_絵(backgroundKind, 10, i);
        描画_数値(10.2, i + 0.4, KANJI_NUMERALS[i], shadowColor, 0, 12);
        描画_数値(10.1, i + 0.3, KANJI_NUMERALS[i], labelColor, 0, 12);
        // The tile at column 10 covers the board's right border.
        描画_桝輪郭(lineColor, 9, i);
    }
}

void Form1::描画_背景(int IN_背景種類) {
    for (int x = -3; x <= 28; ++x)
        for (int y = -2; y <= 17; ++y)
            if (x < 1 || x > 9 || y < 1 || y > 9) 描画_絵(IN_背景種類, x, y);
}
