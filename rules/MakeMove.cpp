// Carrying out an allowed move: capture into the capturer's hand (demoted),
// the board and hands, the lower king's square, the winner, and the redraw of
// what changed. Also the two promotion questions a mover asks first.

#include <cassert>

#include "game/Form1.h"
#include "game/PieceCode.h"

void Form1::駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
    assert(onBoard(移動先X, 移動先Y) && piece::isBoardCode(移動駒));
    assert(onBoard(移動元X, 移動元Y) || (移動元X == UPPER_STAND_X && 移動元Y >= HAND_PAWN && 移動元Y <= HAND_ROOK) ||
           (移動元X == LOWER_STAND_X && 移動元Y >= piece::lowerStandRow(HAND_PAWN) &&
            移動元Y <= piece::lowerStandRow(HAND_ROOK)));
    const int captured = board[移動先X][移動先Y];
    if (piece::isLower(captured)) {
        upperHandCount += 1;
        駒取得(captured);
        描画_敵持盤();
    } else if (piece::isUpper(captured)) {
        lowerHandCount += 1;
        駒取得(captured);
        描画_自持盤();
    }
    描画_絵(EMPTY, 移動元X, 移動元Y);
    描画_桝輪郭(lineColor, 移動元X, 移動元Y);
    board[移動先X][移動先Y] = 移動駒;
    if (移動駒 == LOWER_KING) {
        lowerKingX = 移動先X;
        lowerKingY = 移動先Y;
    }
    if (移動元X == UPPER_STAND_X) {
        upperHandCount -= 1;
        upperHand[移動元Y] -= 1;
        描画_敵持盤();
    } else if (移動元X == LOWER_STAND_X) {
        lowerHandCount -= 1;
        lowerHand[piece::handIndexOfLowerStandRow(移動元Y)] -= 1;
        描画_自持盤();
    } else {
        board[移動元X][移動元Y] = EMPTY;
    }
    描画_絵(移動駒, 移動先X, 移動先Y);
    描画_桝輪郭(lineColor, 移動先X, 移動先Y);
    描画_桝輪郭(lineColor, 移動先X, 移動先Y);
}

void Form1::駒取得(int 取得駒) {
    if (取得駒 == UPPER_KING) {
        winner = lowerSide;
    } else if (取得駒 == LOWER_KING) {
        winner = upperSide;
    } else if (const int k = piece::handIndex(取得駒); k != 0) {
        if (取得駒 > 0)
            lowerHand[k] += 1;
        else
            upperHand[k] += 1;
    }
}

int Form1::調査_駒成(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類) {
    (void)移動先X;
    if (piece::isDropSource(移動元X)) return OFF;
    bool promotable = false;
    switch (移動駒種類) {
    case LOWER_PAWN: case LOWER_LANCE: case LOWER_KNIGHT:
        promotable = 移動先Y < 4;
        break;
    case LOWER_SILVER: case LOWER_BISHOP: case LOWER_ROOK:
        promotable = 移動先Y < 4 || 移動元Y < 4;
        break;
    case UPPER_PAWN: case UPPER_LANCE: case UPPER_KNIGHT:
        promotable = 移動先Y > 6;
        break;
    case UPPER_SILVER: case UPPER_BISHOP: case UPPER_ROOK:
        promotable = 移動先Y > 6 || 移動元Y > 6;
        break;
    default:
        break;
    }
    if (!promotable) return OFF;
    promotedPiece = piece::promoted(移動駒種類);
    return ON;
}

int Form1::移動後チェック(int 移動先Y, int 移動駒種類) const {
    switch (移動駒種類) {
    case UPPER_PAWN: case UPPER_LANCE: return 移動先Y == 9 ? OFF : ON;
    case UPPER_KNIGHT: return 移動先Y > 7 ? OFF : ON;
    case LOWER_PAWN: case LOWER_LANCE: return 移動先Y == 1 ? OFF : ON;
    case LOWER_KNIGHT: return 移動先Y < 3 ? OFF : ON;
    default: return ON;
    }
}
