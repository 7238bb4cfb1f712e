// Whether a king in check can get out of it by one move: a drop between the
// king and a distant checker, a king step to an unattacked square, or any
// other move of the defender after which the attacker can no longer take the
// king. 詰めかMAN asks this for the human's king, 詰めかCOM for the
// computer's; the two differ only in which side defends and in how the last
// kind of defence is judged, so the first steps are shared below.

#include "com/Squares.h"
#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {

using com::within;

// One side's king under test, with everything the shared steps read for it.
struct Defence {
    int kingX, kingY;
    int king, pawn;   // this side's codes
    int standX;       // column of this side's drops
    const int* hand;  // this side's hand
    int handCount;
    const int (&attacks)[10][10];   // the attacking side's influence
    const int (&checkMap)[10][10];  // checkers, and the squares between a line checker and the king
};

Defence humanKing(Form1& f) {
    return {f.lowerKingX, f.lowerKingY,     Form1::LOWER_KING, Form1::LOWER_PAWN, Form1::LOWER_STAND_X,
            f.lowerHand,  f.lowerHandCount, f.upperInfluence,  f.upperCheckMap};
}

Defence computerKing(Form1& f) {
    return {f.upperKingX, f.upperKingY,     Form1::UPPER_KING, Form1::UPPER_PAWN, Form1::UPPER_STAND_X,
            f.upperHand,  f.upperHandCount, f.lowerInfluence,  f.lowerCheckMap};
}

bool aCheckerReachesKing(Form1& f, const Defence& d) {
    for (int x = 1; x <= Form1::boardSize; ++x)
        for (int y = 1; y <= Form1::boardSize; ++y)
            if (d.checkMap[x][y] == Form1::CHECKER_MARK && f.board[x][y] != Form1::EMPTY &&
                f.移動チェック(x, y, d.kingX, d.kingY, f.board[x][y]) == Form1::ON)
                return true;
    return false;
}

// A trial piece on the empty square (x, y) between a checker and the king.
// A hand of nothing but pawns can only block where a pawn may be dropped, so
// that drop is judged while the square is still empty.
bool blockerEndsCheck(Form1& f, const Defence& d, int x, int y) {
    const bool onlyPawns = d.hand[Form1::HAND_PAWN] == d.handCount;
    const int before = f.board[x][y];
    if (!onlyPawns || f.移動チェック(d.standX, 0, x, y, d.pawn) == Form1::ON) f.board[x][y] = d.pawn;
    const bool stillChecked = aCheckerReachesKing(f, d);
    f.board[x][y] = before;
    return !stillChecked;
}

// A drop defends only when no checker touches the king and a piece on any
// one of the squares between would stop every check.
bool aDropBlocks(Form1& f, const Defence& d) {
    for (int x = 1; x <= Form1::boardSize; ++x)
        for (int y = 1; y <= Form1::boardSize; ++y) {
            if (d.checkMap[x][y] == Form1::CHECKER_MARK && within(x, y, d.kingX, d.kingY, 1)) return false;
            if (d.checkMap[x][y] == Form1::CHECK_LINE_MARK && !blockerEndsCheck(f, d, x, y)) return false;
        }
    return true;
}

bool kingCanStepAway(Form1& f, const Defence& d) {
    for (int x = d.kingX - 1; x <= d.kingX + 1; ++x)
        for (int y = d.kingY - 1; y <= d.kingY + 1; ++y)
            if (Form1::onBoard(x, y) && f.移動チェック(d.kingX, d.kingY, x, y, d.king) == Form1::ON && d.attacks[x][y] == 0)
                return true;
    return false;
}

// In check, and neither a drop between nor a king step gets out of it: only
// a move of another piece is left to try.
bool inCheckWithoutEscape(Form1& f, const Defence& d) {
    if (d.attacks[d.kingX][d.kingY] == 0) return false;
    if (d.handCount > 0 && aDropBlocks(f, d)) return false;
    return !kingCanStepAway(f, d);
}

}  // namespace

int Form1::詰めかMAN_COM移動() {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (board[x][y] >= UPPER_PAWN && 移動チェック(x, y, lowerKingX, lowerKingY, board[x][y]) == ON) return ON;
    return OFF;
}

int Form1::詰めかMAN() {
    if (!inCheckWithoutEscape(*this, humanKing(*this))) return OFF;

    // Any other lower move onto a checker or between: does it leave the king
    // beyond every upper piece's reach? The check squares do not change here.
    com::Square targets[81];
    int targetCount = 0;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (upperCheckMap[x][y] > 0) targets[targetCount++] = {x, y};

    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const int code = board[x][y];
            if (code > LOWER_PAWN || code < LOWER_DRAGON) continue;
            for (int i = 0; i < targetCount; ++i) {
                const auto [tx, ty] = targets[i];
                if (移動チェック(x, y, tx, ty, code) == OFF) continue;
                const int setAside = board[tx][ty];
                board[tx][ty] = code;
                board[x][y] = EMPTY;
                const int kingTaken = 詰めかMAN_COM移動();
                board[x][y] = code;
                board[tx][ty] = setAside;
                if (kingTaken == OFF) return OFF;
            }
        }
    return ON;
}

int Form1::詰めかCOM() {
    if (!inCheckWithoutEscape(*this, computerKing(*this))) return OFF;

    // Any other upper move onto a checker or between, judged by a fresh survey
    // of the trial position. The check squares are read from the map as the
    // last trial left it.
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const int code = board[x][y];
            if (code < UPPER_PAWN || code > UPPER_DRAGON) continue;
            for (int tx = 1; tx <= boardSize; ++tx)
                for (int ty = 1; ty <= boardSize; ++ty) {
                    if (lowerCheckMap[tx][ty] <= 0 || 移動チェック(x, y, tx, ty, code) == OFF) continue;
                    const int setAside = board[tx][ty];
                    board[tx][ty] = code;
                    board[x][y] = EMPTY;
                    勢力調査();
                    board[x][y] = code;
                    board[tx][ty] = setAside;
                    if (lowerInfluence[upperKingX][upperKingY] == 0) return OFF;
                }
        }
    return ON;
}

int Form1::調査_自王逃道() {
    int count = 0;
    for (int x = lowerKingX - 1; x <= lowerKingX + 1; ++x)
        for (int y = lowerKingY - 1; y <= lowerKingY + 1; ++y)
            if ((x != lowerKingX || y != lowerKingY) && onBoard(x, y) && board[x][y] == EMPTY &&
                upperInfluence[x][y] == 0)
                ++count;
    return count;
}
