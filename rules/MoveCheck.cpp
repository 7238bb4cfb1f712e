// Whether one board move or drop is allowed: standard movement, the two-pawn
// and last-rank drop rules, and the game's own forward rule (a piece with an
// open square one step ahead must advance). Runs inside every computer
// candidate, so it stays branch-light and touches nothing but the board.

#include <cassert>

#include "game/Form1.h"
#include "game/PieceCode.h"

int Form1::移動チェック(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類) {
    assert(onBoard(移動元X, 移動元Y) || piece::isDropSource(移動元X));
    if (!onBoard(移動先X, 移動先Y)) return OFF;
    if (移動元X == 移動先X && 移動元Y == 移動先Y) return OFF;
    const int target = board[移動先X][移動先Y];
    const bool upper = piece::isUpper(移動駒種類);
    if (upper ? piece::isUpper(target) : piece::isLower(target)) return OFF;

    const int kind = piece::abs(移動駒種類);
    if (piece::isDropSource(移動元X)) {
        if (target != EMPTY || !piece::isHandKind(移動駒種類)) return OFF;
        if (移動駒種類 == LOWER_PAWN && lowerPawnFiles[移動先X] == 1) return OFF;
        if (移動駒種類 == UPPER_PAWN && upperPawnFiles[移動先X] == 1) return OFF;
        return 移動後チェック(移動先Y, 移動駒種類);
    }

    // Forward rule: with somewhere to advance, the piece must land on a rank ahead.
    if (調査_進める場所があるか(移動駒種類, 移動元X, 移動元Y) == ON) {
        if (upper ? 移動先Y <= 移動元Y : 移動先Y >= 移動元Y) return OFF;
    }

    const int dX = 移動先X - 移動元X;
    const int dY = 移動先Y - 移動元Y;
    const int forward = upper ? 1 : -1;  // one step ahead for the mover
    switch (kind) {
    case PAWN:
        return dX == 0 && dY == forward ? ON : OFF;
    case LANCE: {
        if (dX != 0 || dY * forward <= 0) return OFF;
        for (int y = 移動元Y + forward; y != 移動先Y; y += forward)
            if (board[移動先X][y] != EMPTY) return OFF;
        return ON;
    }
    case KNIGHT:
        return dY == 2 * forward && (dX == 1 || dX == -1) ? ON : OFF;
    case SILVER:
        return piece::abs(dX) <= 1 && (dY == forward || (dY == -forward && dX != 0)) ? ON : OFF;
    case GOLD: case TOKIN: case PROMOTED_LANCE: case PROMOTED_KNIGHT: case PROMOTED_SILVER:
        return (piece::abs(dX) <= 1 && (dY == forward || dY == 0)) || (dX == 0 && dY == -forward) ? ON : OFF;
    case BISHOP:
        return 移動チェック角(移動元X, 移動元Y, 移動先X, 移動先Y);
    case ROOK:
        return 移動チェック飛車(移動元X, 移動元Y, 移動先X, 移動先Y);
    case HORSE:
        if (piece::abs(dX) <= 1 && piece::abs(dY) <= 1) return ON;
        return 移動チェック角(移動元X, 移動元Y, 移動先X, 移動先Y);
    case DRAGON:
        if (piece::abs(dX) <= 1 && piece::abs(dY) <= 1) return ON;
        return 移動チェック飛車(移動元X, 移動元Y, 移動先X, 移動先Y);
    case KING:
        return piece::abs(dX) <= 1 && piece::abs(dY) <= 1 ? ON : OFF;
    default:
        return OFF;  // a code outside the piece table moves nowhere
    }
}

int Form1::移動チェック飛車(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (移動元X != 移動先X && 移動元Y != 移動先Y) return OFF;
    if (移動元Y != 移動先Y) {
        const int s = 移動先Y > 移動元Y ? 1 : -1;
        for (int y = 移動元Y + s; y != 移動先Y; y += s)
            if (board[移動先X][y] != EMPTY) return OFF;
    }
    if (移動元X != 移動先X) {
        const int s = 移動先X > 移動元X ? 1 : -1;
        for (int x = 移動元X + s; x != 移動先X; x += s)
            if (board[x][移動先Y] != EMPTY) return OFF;
    }
    return ON;
}

int Form1::移動チェック角(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    const int dX = 移動先X - 移動元X;
    const int dY = 移動先Y - 移動元Y;
    if (dX != dY && dX != -dY) return OFF;
    const int sx = dX > 0 ? 1 : -1;
    const int sy = dY > 0 ? 1 : -1;
    for (int x = 移動元X + sx, y = 移動元Y + sy; x != 移動先X; x += sx, y += sy)
        if (board[x][y] != EMPTY) return OFF;
    return ON;
}

int Form1::調査_進める場所があるか(int I_移動駒, int I_移動元X, int I_移動元Y) {
    assert(onBoard(I_移動元X, I_移動元Y));
    if (!piece::isUpper(I_移動駒) && !piece::isLower(I_移動駒)) return OFF;
    const bool upper = piece::isUpper(I_移動駒);
    if (I_移動元Y == (upper ? boardSize : 1)) return OFF;
    const int ahead = I_移動元Y + (upper ? 1 : -1);
    // Open: empty or held by the other side. Rows off the board are never open.
    auto open = [&](int x, int y) {
        if (!onBoard(x, y)) return false;
        const int code = board[x][y];
        return upper ? code <= 0 : code >= 0;
    };
    const int kind = piece::abs(I_移動駒);
    if (kind == PAWN || kind == LANCE || kind == ROOK) return open(I_移動元X, ahead) ? ON : OFF;
    const int row = kind == KNIGHT ? I_移動元Y + (upper ? 2 : -2) : ahead;
    for (int x = I_移動元X - 1; x <= I_移動元X + 1; ++x)
        if (open(x, row)) return ON;
    return OFF;
}

void Form1::調査_2歩フラグ設定() {
    for (int x = 1; x <= boardSize; ++x) {
        lowerPawnFiles[x] = 0;
        upperPawnFiles[x] = 0;
        for (int y = 1; y <= boardSize; ++y) {
            if (board[x][y] == LOWER_PAWN) lowerPawnFiles[x] = 1;
            if (board[x][y] == UPPER_PAWN) upperPawnFiles[x] = 1;
        }
    }
}
