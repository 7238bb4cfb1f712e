// Small questions the evaluation asks about one square or piece, and the two
// whole-board scans the computer's turn runs once before its search (the
// squares from which a lower bishop would check the upper king, and the pinned
// pieces of both sides). Movement is always judged by 移動チェック, so the
// forward rule holds for every move a probe imagines; a probe that lifts or
// places a piece puts the board back before it returns.

#include <initializer_list>

#include "com/ReachableSquares.h"
#include "com/Squares.h"
#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {

using com::at;

bool isLowerLinePiece(int code) {
    return code == Form1::LOWER_LANCE || code == Form1::LOWER_ROOK || code == Form1::LOWER_DRAGON;
}

// Lances, bishops and rooks, promoted or not: the pieces that pin.
bool pins(int code) {
    switch (piece::abs(code)) {
    case 20:
    case 800:
    case 801:
    case 900:
    case 901: return true;
    default: return false;
    }
}

}  // namespace

int Form1::調査_移動可場所数(int 移動元X, int 移動元Y, int 移動駒) {
    const auto& enemyInfluence = 移動駒 >= UPPER_PAWN ? lowerInfluence : upperInfluence;
    int count = 0;
    for (const auto [x, y] : com::reachableSquares(board, 移動元X, 移動元Y, 移動駒))
        if (移動チェック(移動元X, 移動元Y, x, y, 移動駒) == ON && enemyInfluence[x][y] == 0) ++count;
    return count;
}

// An upper pawn on (X, Y) chased by a lower bishop or rook: a knight dropped
// two ranks behind the pawn would fork that piece's neighbour worth 800 or more.
int Form1::調査_桂狙い(int 移動先X, int 移動先Y) {
    const int attacker = lowerAttacker[移動先X][移動先Y];
    if (attacker < LOWER_DRAGON || attacker > LOWER_BISHOP || 移動先Y <= 5) return 0;
    int gain = 0;
    for (const int side : {-1, 1}) {
        const int knightX = 移動先X + side, targetX = 移動先X + 2 * side;
        if (targetX < 1 || targetX > 9) continue;
        const int knightY = 移動先Y - 2;
        if (board[knightX][knightY] != EMPTY || lowerInfluence[knightX][knightY] != 0) continue;
        const int target = board[targetX][移動先Y];
        if (target <= LOWER_BISHOP &&
            (targetX != lowerAttackerX[移動先X][移動先Y] || 移動先Y != lowerAttackerY[移動先X][移動先Y]))
            gain += piece::abs(target);
    }
    return gain;
}

// The same pawn with a lance in hand: a lance dropped behind it would strike
// down the file at whatever stands first below.
int Form1::調査_香狙い(int 移動先X, int 移動先Y) {
    if (移動先Y <= 6 || upperInfluence[移動先X][移動先Y - 1] <= 0 || lowerInfluence[移動先X][移動先Y - 1] != 0)
        return 0;
    const int attacker = lowerAttacker[移動先X][移動先Y];
    if (attacker < LOWER_DRAGON || attacker > LOWER_BISHOP) return 0;
    for (int y = 移動先Y + 1; y <= boardSize; ++y) {
        if (board[移動先X][y] == EMPTY) continue;
        return 移動チェック(移動先X, 移動先Y, 移動先X, y, UPPER_LANCE) == ON ? piece::abs(board[移動先X][y]) : 0;
    }
    return 0;
}

// Whether a lower lance or rook further down the file would recapture on (X, Y).
int Form1::調査_自守駒MAN_直進駒(int 入力X, int 入力Y) {
    const int lifted = board[入力X][入力Y];
    board[入力X][入力Y] = EMPTY;
    int result = OFF;
    for (int y = 入力Y + 1; y <= boardSize; ++y) {
        const int code = board[入力X][y];
        if (code >= UPPER_PAWN) break;
        if (isLowerLinePiece(code)) {
            result = 移動チェック(入力X, y, 入力X, 入力Y, code);
            break;
        }
    }
    board[入力X][入力Y] = lifted;
    return result;
}

// Minus one for each heavy upper piece (bishop, rook, king) crowding the square.
int Form1::調査_周辺状況(int 移動先X, int 移動先Y) {
    int crowd = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if ((dx || dy) && at(board, 移動先X + dx, 移動先Y + dy) >= UPPER_BISHOP) --crowd;
    return crowd;
}

void Form1::調査_持角狙座標() {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const int cover = upperInfluence[x][y];
            bishopCheckMap[x][y] =
                board[x][y] == EMPTY && (cover == 0 || (cover == 1 && com::within(x, y, upperKingX, upperKingY, 1))) &&
                        移動チェック(x, y, upperKingX, upperKingY, LOWER_BISHOP) == ON
                    ? ON
                    : OFF;
        }
}

// A piece is pinned when, lifted off the board, it would let an opposing lance,
// bishop or rook onto its own king's square.
void Form1::調査_移動不可駒() {
    com::Square upperLines[81], lowerLines[81];
    int upperCount = 0, lowerCount = 0;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            if (!pins(board[x][y])) continue;
            if (board[x][y] > 0)
                upperLines[upperCount++] = {x, y};
            else
                lowerLines[lowerCount++] = {x, y};
        }
    const auto reachesKing = [&](const com::Square* lines, int count, int kingX, int kingY) {
        for (int i = 0; i < count; ++i) {
            const auto [x, y] = lines[i];
            if (移動チェック(x, y, kingX, kingY, board[x][y]) == ON) return true;
        }
        return false;
    };

    upperPinnedAny = OFF;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            lowerPinned[x][y] = OFF;
            upperPinned[x][y] = OFF;
            const int lifted = board[x][y];
            if (lifted == EMPTY) continue;
            board[x][y] = EMPTY;
            if (lifted <= LOWER_PAWN && reachesKing(upperLines, upperCount, lowerKingX, lowerKingY)) {
                lowerPinned[x][y] = ON;
            } else if (lifted >= UPPER_PAWN && reachesKing(lowerLines, lowerCount, upperKingX, upperKingY)) {
                upperPinned[x][y] = ON;
                upperPinnedAny = ON;
            }
            board[x][y] = lifted;
        }
}
