// Both sides' piece stands with the count of each kind in hand.

#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {
constexpr int COUNT_FONT_SIZE = 14;
}

void Form1::描画_自持盤() {
    for (int k = 1; k <= 7; ++k) {
        const int r = piece::lowerStandRow(k);
        描画_絵(EMPTY, 11, r);
        描画_絵(backgroundKind, 12, r);
        描画_桝輪郭(lineColor, 11, r);
        if (lowerHand[k] > 0) {
            描画_絵(-piece::ofHandIndex(k), 11, r);
            描画_桝輪郭(lineColor, 11, r);
            描画_数値(12.1, r + 0.3, lowerHand[k], shadowColor, 0, COUNT_FONT_SIZE);
            描画_数値(12, r + 0.2, lowerHand[k], accentColor, 0, COUNT_FONT_SIZE);
        }
    }
}

void Form1::描画_敵持盤() {
    for (int r = 1; r <= 7; ++r) {
        const int k = 8 - r;
        描画_絵(EMPTY, -1, r);
        描画_絵(backgroundKind, 0, r);
        描画_桝輪郭(lineColor, -1, r);
        if (upperHand[k] > 0) {
            描画_絵(piece::ofHandIndex(k), -1, r);
            描画_桝輪郭(lineColor, -1, r);
            描画_数値(0.1, r + 0.3, upperHand[k], shadowColor, 0, COUNT_FONT_SIZE);
            描画_数値(0, r + 0.2, upperHand[k], accentColor, 0, COUNT_FONT_SIZE);
        }
        // The tile at column 0 covers the board's left border.
        描画_桝輪郭(lineColor, 1, r);
    }
}
