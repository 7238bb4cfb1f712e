// Both sides' piece stands with the count of each kind in hand.

#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {
constexpr int COUNT_FONT_SIZE = 14;
}

void Form1::描画_自持盤() {
    for (int k = HAND_PAWN; k <= HAND_ROOK; ++k) {
        const int r = piece::lowerStandRow(k);
        描画_絵(EMPTY, LOWER_STAND_X, r);
        描画_絵(backgroundKind, LOWER_STAND_X + 1, r);
        描画_桝輪郭(lineColor, LOWER_STAND_X, r);
        if (lowerHand[k] > 0) {
            描画_絵(-piece::ofHandIndex(k), LOWER_STAND_X, r);
            描画_桝輪郭(lineColor, LOWER_STAND_X, r);
            描画_数値(12.1, r + 0.3, lowerHand[k], shadowColor, 0, COUNT_FONT_SIZE);
            描画_数値(12, r + 0.2, lowerHand[k], accentColor, 0, COUNT_FONT_SIZE);
        }
    }
}

void Form1::描画_敵持盤() {
    for (int r = piece::upperStandRow(HAND_ROOK); r <= piece::upperStandRow(HAND_PAWN); ++r) {
        const int k = piece::handIndexOfUpperStandRow(r);
        描画_絵(EMPTY, UPPER_STAND_X, r);
        描画_絵(backgroundKind, UPPER_STAND_X + 1, r);
        描画_桝輪郭(lineColor, UPPER_STAND_X, r);
        if (upperHand[k] > 0) {
            描画_絵(piece::ofHandIndex(k), UPPER_STAND_X, r);
            描画_桝輪郭(lineColor, UPPER_STAND_X, r);
            描画_数値(0.1, r + 0.3, upperHand[k], shadowColor, 0, COUNT_FONT_SIZE);
            描画_数値(0, r + 0.2, upperHand[k], accentColor, 0, COUNT_FONT_SIZE);
        }
        // The tile at column 0 covers the board's left border.
        描画_桝輪郭(lineColor, 1, r);
    }
}
