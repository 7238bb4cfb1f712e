// Whether one board move or drop is allowed: standard movement, the two-pawn
// and last-rank drop rules, and the game's own forward rule (a piece with an
// open square one step ahead must advance). Runs inside every computer
// candidate, so it stays branch-light and touches nothing but the board.

#include "game/Form1.h"
#include "game/PieceCode.h"

int Form1::移動チェック(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類) {
    if (移動先X < 1 || 移動先X > 9 || 移動先Y < 1 || 移動先Y > 9) return OFF;
    if (移動元X == 移動先X && 移動元Y == 移動先Y) return OFF;
    const int target = board[移動先X][移動先Y];
    const bool upper = 移動駒種類 >= 10;
    if (upper ? target >= 10 : target <= -10) return OFF;

    const int kind = piece::abs(移動駒種類);
    if (piece::isDropSource(移動元X)) {
        if (target != EMPTY) return OFF;
        if (移動駒種類 == LOWER_PAWN && lowerPawnFiles[移動先X] == 1) return OFF;
        if (移動駒種類 == UPPER_PAWN && upperPawnFiles[移動先X] == 1) return OFF;
        if (kind == 10 || kind == 20) return upper ? (移動先Y == 9 ? OFF : ON) : (移動先Y == 1 ? OFF : ON);
        if (kind == 30) return upper ? (移動先Y > 7 ? OFF : ON) : (移動先Y < 3 ? OFF : ON);
        return ON;
    }

    // Forward rule: with somewhere to advance, the piece must land on a rank ahead.
    if (調査_進める場所があるか(移動駒種類, 移動元X, 移動元Y) == ON) {
        if (upper ? 移動先Y <= 移動元Y : 移動先Y >= 移動元Y) return OFF;
    }

    const int dX = 移動先X - 移動元X;
    const int dY = 移動先Y - 移動元Y;
    const int forward = upper ? 1 : -1;  // one step ahead for the mover
    switch (kind) {
    case 10:
        return dX == 0 && dY == forward ? ON : OFF;
    case 20: {
        if (dX != 0 || dY * forward <= 0) return OFF;
        for (int y = 移動元Y + forward; y != 移動先Y; y += forward)
            if (board[移動先X][y] != EMPTY) return OFF;
        return ON;
    }
    case 30:
        return dY == 2 * forward && (dX == 1 || dX == -1) ? ON : OFF;
    case 100:
        return piece::abs(dX) <= 1 && (dY == forward || (dY == -forward && dX != 0)) ? ON : OFF;
    case 110: case 11: case 21: case 31: case 101:
        return (piece::abs(dX) <= 1 && (dY == forward || dY == 0)) || (dX == 0 && dY == -forward) ? ON : OFF;
    case 800:
        return 移動チェック角(移動元X, 移動元Y, 移動先X, 移動先Y);
    case 900:
        return 移動チェック飛車(移動元X, 移動元Y, 移動先X, 移動先Y);
    case 801:
        if (piece::abs(dX) <= 1 && piece::abs(dY) <= 1) return ON;
        return 移動チェック角(移動元X, 移動元Y, 移動先X, 移動先Y);
    case 901:
        if (piece::abs(dX) <= 1 && piece::abs(dY) <= 1) return ON;
        return 移動チェック飛車(移動元X, 移動元Y, 移動先X, 移動先Y);
    case 950:
        return piece::abs(dX) <= 1 && piece::abs(dY) <= 1 ? ON : OFF;
    default:
        return ON;  // codes outside the table are never passed in
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
    if (I_移動駒 > -10 && I_移動駒 < 10) return OFF;
    const bool upper = I_移動駒 >= 10;
    if (I_移動元Y == (upper ? 9 : 1)) return OFF;
    const int ahead = I_移動元Y + (upper ? 1 : -1);
    // Open: empty or held by the other side. Rows off the board are never open.
    auto open = [&](int x, int y) {
        if (x < 1 || x > 9 || y < 1 || y > 9) return false;
        const int code = board[x][y];
        return upper ? code <= 0 : code >= 0;
    };
    const int kind = piece::abs(I_移動駒);
    if (kind == 10 || kind == 20 || kind == 900) return open(I_移動元X, ahead) ? ON : OFF;
    const int row = kind == 30 ? I_移動元Y + (upper ? 2 : -2) : ahead;
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
