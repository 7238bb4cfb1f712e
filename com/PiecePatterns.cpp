// Level-3 patterns of every piece but the pawn (PawnPatterns.cpp): mostly
// about the squares just ahead of the piece, a few recognised opening
// positions, and the heavy pieces' mobility and closeness to the lower king.

#include "com/PiecePatterns.h"

#include "com/Squares.h"
#include "game/Form1.h"

namespace com {

namespace {

bool is(const Form1& f, int x, int y, int code) {
    return at(f.board, x, y) == code;
}

// Safe, or attacked by nothing but the lower king while defended.
bool heldSquare(const Form1& f, int x, int y) {
    return f.lowerInfluence[x][y] == 0 || (f.lowerAttacker[x][y] == Form1::LOWER_KING && f.upperInfluence[x][y] > 0);
}

// On the lower king's file or rank, at most two squares from it.
bool besideKingLine(const Form1& f, int x, int y) {
    return (x == f.lowerKingX || y == f.lowerKingY) && within(x, y, f.lowerKingX, f.lowerKingY, 2);
}

Score lance(Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    if (f.upperHand[Form1::HAND_KNIGHT] > 0) s += pts(f.調査_桂狙い(x, y));
    if (!c.isDrop()) return c.captured == Form1::EMPTY ? s - 0.9_pt : s;
    if (y >= 8) return s;
    if (f.lowerHand[Form1::HAND_PAWN] > 0 && f.lowerInfluence[x][y + 1] > 0 && f.lowerInfluence[x][y] == 0) s -= 10_pt;
    // Dropped onto a lower piece that screens a more valuable one further down the file.
    if (f.board[x][y + 1] <= Form1::LOWER_LANCE &&
        (f.lowerInfluence[x][y] == 0 || f.upperInfluence[x][y] >= f.lowerInfluence[x][y])) {
        for (int below = y + 2; below <= 9; ++below) {
            const int code = f.board[x][below];
            if (code == Form1::EMPTY) continue;
            if (f.移動チェック(x, y + 1, x, below, Form1::UPPER_LANCE) == Form1::ON && code < Form1::LOWER_LANCE)
                return s + pts(-code);
            break;
        }
    }
    return s;
}

Score knight(const Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    s -= 0.1_pt;
    if (at(f.lowerInfluence, x, y + 1) > 0) s -= 1_pt;
    // Both squares it would jump to are attacked.
    if (y < 8 && x > 1 && x < 9 && f.lowerInfluence[x - 1][y + 2] > 0 && f.lowerInfluence[x + 1][y + 2] > 0) {
        s -= 1_pt;
        if (x == 7 && y == 3 && f.board[8][4] == Form1::UPPER_BISHOP) return s - 5_pt;
    }
    return s;
}

Score silver(const Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    if (y > 1 && y > c.fromY && x == c.fromX) s -= 0.1_pt;
    if (y > 1 && f.board[x][y - 1] == Form1::UPPER_KNIGHT) s -= 0.5_pt;
    if (x == 7 && y == 3 && f.board[8][3] == Form1::UPPER_PAWN && f.board[8][5] == Form1::LOWER_PAWN) return s + 115_pt;
    return s;
}

Score gold(const Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    if (y > c.fromY && x != c.fromX) s -= 0.5_pt;
    if (y == 4 && f.board[6][4] == Form1::UPPER_BISHOP && f.lowerInfluence[6][4] > 0) return s - 5_pt;
    if (y == 2 && f.board[8][3] == Form1::UPPER_PAWN && f.board[8][6] == Form1::LOWER_PAWN &&
        f.lowerDefender[8][6] == Form1::LOWER_ROOK && x == 7)
        s += 10_pt;
    if (y == 2 && f.lowerHand[Form1::HAND_BISHOP] > 0 && f.upperInfluenceBefore[x][3] == 0 && f.board[x][3] >= Form1::UPPER_PAWN) {
        s += 2_pt;
        if (f.upperInfluenceBefore[x][4] == 1 && f.board[x][4] == Form1::UPPER_BISHOP) return s + 125_pt;
    }
    return s;
}

Score bishop(Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    s += pts(f.調査_周辺状況(x, y));
    if (x == 9 && y == 3 && f.board[9][4] == Form1::UPPER_PAWN && f.board[9][6] == Form1::LOWER_PAWN &&
        f.board[9][9] == Form1::LOWER_LANCE)
        s -= 10_pt;
    if (x == 7 && y == 3 && f.board[8][5] == Form1::LOWER_PAWN && f.lowerDefender[8][5] == Form1::LOWER_ROOK) s += 9_pt;
    if (y < 9 && f.lowerInfluence[x][y + 1] > 0) {
        if (f.調査_移動可場所数(x, y, Form1::UPPER_BISHOP) == 0) s -= 100_pt;
        if (y < 8 && f.board[x][y + 2] == Form1::LOWER_PAWN) s -= 1_pt;
    }
    if (c.fromX == 9 && c.fromY == 3 && f.board[9][4] == Form1::UPPER_PAWN && f.board[9][6] == Form1::LOWER_PAWN &&
        f.lowerDefender[9][6] == Form1::LOWER_LANCE)
        return s + 10_pt;
    if (c.fromX == 7 && c.fromY == 3 && f.board[8][5] == Form1::LOWER_PAWN &&
        f.lowerDefender[8][5] == Form1::LOWER_ROOK && f.upperInfluenceBefore[8][4] > f.upperInfluence[8][4])
        return s - 10_pt;
    return s;
}

// Beside a lower silver on (x, silverY): a gold level with it on one side and
// the square below it occupied on the other. A rook or dragon that comes down
// next to such a silver is caught.
bool silverGoldWall(const Form1& f, int x, int silverY) {
    return (at(f.board, x - 1, silverY + 1) != Form1::EMPTY && is(f, x + 1, silverY, Form1::LOWER_GOLD)) ||
           (at(f.board, x + 1, silverY + 1) != Form1::EMPTY && is(f, x - 1, silverY, Form1::LOWER_GOLD));
}

Score rook(Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    s += pts(f.調査_周辺状況(x, y));
    if (c.isDrop()) {
        if (y == 9 && f.board[x][8] == Form1::LOWER_SILVER && x > 1 && x < 9 && silverGoldWall(f, x, 8))
            return s - 1_pt;
        return s;
    }
    const int sx = c.fromX, sy = c.fromY;
    if (f.lowerInfluence[x][y] == 0 && x == 3 && y == 4 && f.board[3][7] == Form1::LOWER_BISHOP &&
        f.board[3][6] == Form1::LOWER_PAWN && f.board[3][5] == Form1::EMPTY)
        s += 7_pt;
    if (y < 8 && f.lowerInfluence[x][y + 1] > 0) {
        s -= 1_pt;
        if (f.board[x][y + 2] == Form1::LOWER_PAWN && sy == y) s -= 5_pt;
    }
    // Leaving the rank in front of a lower pawn that the lower rook backs.
    if (y < 8 && sy < 9 && f.board[8][sy + 1] == Form1::LOWER_PAWN && f.lowerDefender[8][sy + 1] == Form1::LOWER_ROOK) {
        if (f.upperInfluence[8][sy] < f.upperInfluenceBefore[8][sy]) s -= 11_pt;
        if (f.board[7][sy] == Form1::UPPER_PAWN && sy != y) s -= 11_pt;
    }
    if (y < 8 && f.lowerInfluence[sx][sy] == 0 && sx == 2 && sy == 2 && x == 2 && y == 3) s -= 1_pt;
    if (heldSquare(f, x, y)) {
        if (f.調査_移動可場所数(x, y, Form1::UPPER_ROOK) <= 1) return s - 35_pt;
        if (besideKingLine(f, x, y)) return s + 100_pt;
    }
    return s;
}

Score dragon(Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    s += pts(f.調査_周辺状況(x, y));
    if (is(f, x, y - 1, Form1::LOWER_SILVER) && x > 1 && x < 9 && silverGoldWall(f, x, y - 1)) s -= 10_pt;
    if (c.fromY == 9 && is(f, c.fromX, 8, Form1::LOWER_SILVER)) {
        if (is(f, c.fromX - 1, 8, Form1::LOWER_GOLD)) s += 2_pt;
        if (is(f, c.fromX + 1, 8, Form1::LOWER_GOLD)) s += 2_pt;
    }
    if (y == 9 && f.board[x][8] <= Form1::LOWER_PAWN &&
        ((x == 3 && f.board[2][9] <= Form1::LOWER_PAWN && f.board[4][8] == Form1::LOWER_GOLD) ||
         (x == 7 && f.board[8][9] <= Form1::LOWER_PAWN && f.board[6][8] == Form1::LOWER_GOLD)))
        s -= 150_pt;
    if (heldSquare(f, x, y) && besideKingLine(f, x, y)) return s + 100_pt;
    return s;
}

Score king(Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    if (f.upperPinnedAny == Form1::ON) s += 10_pt;
    if (f.upperInfluence[x][y] > f.upperInfluenceBefore[x][y]) s += 1_pt;
    if (f.調査_移動可場所数(x, y, Form1::UPPER_KING) < 2) return s - 20_pt;
    return s;
}

}  // namespace

Score piecePatterns(Form1& f, const Candidate& c, Score running) {
    switch (c.code) {
        case Form1::UPPER_PAWN: return pawnPatterns(f, c, running);
        case Form1::UPPER_TOKIN: return tokinPatterns(f, c, running);
        case Form1::UPPER_LANCE: return lance(f, c, running);
        case Form1::UPPER_KNIGHT: return knight(f, c, running);
        case Form1::UPPER_SILVER: return silver(f, c, running);
        case Form1::UPPER_GOLD: return gold(f, c, running);
        case Form1::UPPER_BISHOP: return bishop(f, c, running);
        case Form1::UPPER_HORSE: return running + pts(f.調査_周辺状況(c.toX, c.toY));
        case Form1::UPPER_ROOK: return rook(f, c, running);
        case Form1::UPPER_DRAGON: return dragon(f, c, running);
        case Form1::UPPER_KING: return king(f, c, running);
        default: return running;  // the other promoted pieces have no patterns
    }
}

}  // namespace com
