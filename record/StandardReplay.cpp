#include "record/StandardReplay.h"

#include "game/PieceCode.h"

namespace kif {
namespace {

using V = Vocabulary;
constexpr int ZONE_DEPTH = 3;  // the three far ranks where a piece may promote

// How many of each hand kind a set holds, index 1 pawn .. 7 rook.
constexpr int SET_COUNT[HAND_KINDS + 1] = {0, 18, 4, 4, 4, 4, 2, 2};

struct Step {
    int dx, dy;  // dy as the upper side moves: +1 is one row down the board
};

constexpr Step FORWARD[] = {{0, 1}};
constexpr Step KNIGHT_JUMPS[] = {{-1, 2}, {1, 2}};
constexpr Step SILVER_STEPS[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Step GOLD_STEPS[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
constexpr Step DIAGONALS[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr Step ORTHOGONALS[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr Step ALL_AROUND[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

template <size_t N>
bool isStep(const Step (&steps)[N], int dx, int dy) {
    for (const Step& s : steps)
        if (s.dx == dx && s.dy == dy) return true;
    return false;
}

int sign(int v) { return (v > 0) - (v < 0); }

Side ownerOf(int code) { return code < 0 ? Side::Lower : Side::Upper; }

// Whether every square strictly between the two (on one line) is empty.
bool pathIsClear(const Position& p, int fromX, int fromY, int toX, int toY) {
    const int sx = sign(toX - fromX), sy = sign(toY - fromY);
    for (int x = fromX + sx, y = fromY + sy; x != toX || y != toY; x += sx, y += sy)
        if (p.board[x][y] != 0) return false;
    return true;
}

// Whether the piece reaches the destination by its standard movement.
bool reaches(const Position& p, int code, int fromX, int fromY, int toX, int toY) {
    const int dx = toX - fromX;
    const int dy = (toY - fromY) * signOf(ownerOf(code));  // seen from the upper side
    const bool diagonalLine = dx != 0 && (dx == dy || dx == -dy);
    const bool straightLine = (dx == 0) != (dy == 0);
    const bool clear = (diagonalLine || straightLine) && pathIsClear(p, fromX, fromY, toX, toY);
    switch (piece::abs(code)) {
    case V::PAWN: return isStep(FORWARD, dx, dy);
    case V::LANCE: return dx == 0 && dy > 0 && clear;
    case V::KNIGHT: return isStep(KNIGHT_JUMPS, dx, dy);
    case V::SILVER: return isStep(SILVER_STEPS, dx, dy);
    case V::GOLD:
    case V::TOKIN:
    case V::PROMOTED_LANCE:
    case V::PROMOTED_KNIGHT:
    case V::PROMOTED_SILVER: return isStep(GOLD_STEPS, dx, dy);
    case V::BISHOP: return diagonalLine && clear;
    case V::HORSE: return (diagonalLine && clear) || isStep(ORTHOGONALS, dx, dy);
    case V::ROOK: return straightLine && clear;
    case V::DRAGON: return (straightLine && clear) || isStep(DIAGONALS, dx, dy);
    case V::KING: return isStep(ALL_AROUND, dx, dy);
    default: return false;
    }
}

// Rows still ahead of a piece of `side` standing on row y.
int rowsAhead(Side side, int y) { return side == Side::Upper ? BOARD_SIZE - y : y - 1; }

// An unpromoted pawn or lance on the last row, or a knight on the last two,
// could never move again.
bool isDeadThere(int code, int y) {
    const int ahead = rowsAhead(ownerOf(code), y);
    switch (piece::abs(code)) {
    case V::PAWN:
    case V::LANCE: return ahead < 1;
    case V::KNIGHT: return ahead < 2;
    default: return false;
    }
}

bool inZone(Side side, int y) { return rowsAhead(side, y) < ZONE_DEPTH; }

bool hasPawnInColumn(const Position& p, Side side, int x) {
    for (int y = 1; y <= BOARD_SIZE; ++y)
        if (p.board[x][y] == V::PAWN * signOf(side)) return true;
    return false;
}

// The stand square a drop of hand index k names.
bool isStandSquare(Side side, int k, int x, int y) {
    return side == Side::Lower ? x == V::LOWER_STAND_X && y == piece::lowerStandRow(k)
                               : x == V::UPPER_STAND_X && y == k;
}

bool isSide(int code, Side side) { return side == Side::Lower ? piece::isLower(code) : piece::isUpper(code); }

}  // namespace

bool isSoundStart(const Position& p) {
    int count[HAND_KINDS + 1] = {};
    int kings[2] = {};
    for (int x = 0; x <= BOARD_SIZE; ++x)
        for (int y = 0; y <= BOARD_SIZE; ++y) {
            const int code = p.board[x][y];
            if (code == 0) continue;
            if (!V::onBoard(x, y) || !piece::isBoardCode(code) || isDeadThere(code, y)) return false;
            if (piece::abs(code) == V::KING)
                ++kings[ownerOf(code) == Side::Lower ? 0 : 1];
            else
                ++count[piece::handIndex(code)];
        }
    if (kings[0] != 1 || kings[1] != 1) return false;
    for (const Side side : {Side::Lower, Side::Upper}) {
        if (p.hand(side)[0] != 0) return false;
        for (int k = 1; k <= HAND_KINDS; ++k) {
            if (p.hand(side)[k] < 0) return false;
            count[k] += p.hand(side)[k];
        }
        for (int x = 1; x <= BOARD_SIZE; ++x) {
            int pawns = 0;
            for (int y = 1; y <= BOARD_SIZE; ++y) pawns += p.board[x][y] == V::PAWN * signOf(side);
            if (pawns > 1) return false;
        }
    }
    for (int k = 1; k <= HAND_KINDS; ++k)
        if (count[k] > SET_COUNT[k]) return false;
    return true;
}

bool StandardReplay::fitsBoardMove(const Move& m) const {
    const Side side = now.toMove;
    if (!V::onBoard(m.fromX, m.fromY) || now.board[m.fromX][m.fromY] != m.movedPiece) return false;
    if (!reaches(now, m.movedPiece, m.fromX, m.fromY, m.toX, m.toY)) return false;
    if (m.placedPiece == m.movedPiece) return !isDeadThere(m.movedPiece, m.toY);
    return piece::canPromote(m.movedPiece) && m.placedPiece == piece::promoted(m.movedPiece) &&
           (inZone(side, m.fromY) || inZone(side, m.toY));
}

bool StandardReplay::fitsDrop(const Move& m) const {
    const Side side = now.toMove;
    const int k = piece::handIndex(m.movedPiece);
    return piece::isHandKind(m.movedPiece) && isStandSquare(side, k, m.fromX, m.fromY) &&
           m.placedPiece == m.movedPiece && now.hand(side)[k] > 0 && now.board[m.toX][m.toY] == 0 &&
           !isDeadThere(m.movedPiece, m.toY) &&
           !(piece::abs(m.movedPiece) == V::PAWN && hasPawnInColumn(now, side, m.toX));
}

bool StandardReplay::play(Move& m) {
    const Side side = now.toMove;
    if (gameOver || !isSide(m.movedPiece, side) || !V::onBoard(m.toX, m.toY)) return false;
    const int target = now.board[m.toX][m.toY];
    if (isSide(target, side)) return false;
    const bool drop = piece::isDropSource(m.fromX);
    if (drop ? !fitsDrop(m) : !fitsBoardMove(m)) return false;

    if (drop)
        now.hand(side)[piece::handIndex(m.movedPiece)] -= 1;
    else
        now.board[m.fromX][m.fromY] = 0;
    m.capturedPiece = target;
    if (piece::abs(target) == V::KING)
        gameOver = true;
    else if (target != 0)
        now.hand(side)[piece::handIndex(target)] += 1;
    now.board[m.toX][m.toY] = m.placedPiece;
    now.toMove = opponent(side);
    return true;
}

}  // namespace kif
