#pragma once
// Every move the move check allows one side, in a fixed order: board moves
// (source x 1..9 outer, y 1..9 inner, then destination the same way), then
// drops (hand index 1..7 where the hand holds the kind) with the stand
// source encoding. Used to list moves for scenarios and to play random games.

#include "game/Form1.h"
#include "game/PieceCode.h"

template <class Visit>  // Visit(fromX, fromY, toX, toY, code)
void forEachAllowedMove(Form1& form, bool upper, Visit visit) {
    form.調査_2歩フラグ設定();
    for (int fx = 1; fx <= Form1::boardSize; ++fx)
        for (int fy = 1; fy <= Form1::boardSize; ++fy) {
            const int code = form.board[fx][fy];
            if (upper ? !piece::isUpper(code) : !piece::isLower(code)) continue;
            for (int tx = 1; tx <= Form1::boardSize; ++tx)
                for (int ty = 1; ty <= Form1::boardSize; ++ty)
                    if (form.移動チェック(fx, fy, tx, ty, code) == Form1::ON) visit(fx, fy, tx, ty, code);
        }
    const int* hand = upper ? form.upperHand : form.lowerHand;
    for (int k = Form1::HAND_PAWN; k <= Form1::HAND_ROOK; ++k) {
        if (hand[k] <= 0) continue;
        const int code = upper ? piece::ofHandIndex(k) : -piece::ofHandIndex(k);
        const int fx = upper ? Vocabulary::UPPER_STAND_X : Vocabulary::LOWER_STAND_X;
        const int fy = upper ? k : piece::lowerStandRow(k);
        for (int tx = 1; tx <= Form1::boardSize; ++tx)
            for (int ty = 1; ty <= Form1::boardSize; ++ty)
                if (form.移動チェック(fx, fy, tx, ty, code) == Form1::ON) visit(fx, fy, tx, ty, code);
    }
}
