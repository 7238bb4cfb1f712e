// The influence survey: from the board alone, how many pieces of each side
// attack every square, the best guard and the cheapest attacker of each
// occupied square, and the check lines against both kings.
//
// It runs once for every candidate move the computer tries, so it is one
// fixed pass over the board with no allocation. Pieces differ only in their
// step offsets, their lines and the record they write; the records are chosen
// at compile time so each step is a handful of compares.
//
// Several quirks are deliberate because the evaluation is tuned to them:
// upper gold-movers record as UPPER_GOLD, lower horse diagonals as
// LOWER_BISHOP, some upper records carry no coordinates (the coordinate maps
// then keep what an earlier record wrote), and lines run on through the
// opposing king so that the squares behind it count as attacked.

#include <algorithm>
#include <cstddef>

#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {

using Map = int[10][10];

// ------------------------------------------------------------------- records
//
// A record writes what one piece on (x, y) does to one target T it attacks.
// Every record counts the attack; the rest depends on the piece.

// Lower records differ only in whether they look for check. A check puts CHECKER_MARK
// on the attacker; a knight's check also marks the king it jumps to.
struct LowerRecord {
    bool check;
    bool knight;
};
constexpr LowerRecord LOWER_RECORD{true, false};
constexpr LowerRecord LOWER_KNIGHT_RECORD{true, true};
constexpr LowerRecord LOWER_UNCHECKED_RECORD{false, false};  // the king's steps; lines mark checks themselves

template <LowerRecord R>
void recordLower(Form1& f, int P, int x, int y, int tx, int ty) {
    const int held = f.board[tx][ty];
    ++f.lowerInfluence[tx][ty];
    if (held < 0) {
        if (P < f.lowerDefender[tx][ty]) f.lowerDefender[tx][ty] = P;
    } else if (held > 0) {
        if (P > f.lowerAttacker[tx][ty]) {
            f.lowerAttacker[tx][ty] = P;
            f.lowerAttackerX[tx][ty] = x;
            f.lowerAttackerY[tx][ty] = y;
        }
        if (R.check && held == Form1::UPPER_KING) {
            f.lowerCheckMap[x][y] = Form1::CHECKER_MARK;
            if (R.knight) f.lowerCheckMap[tx][ty] = Form1::CHECKER_MARK;
        }
    }
}

// Upper records come in reduced forms: some pieces leave out the threat, the
// coordinates or the check test.
struct UpperRecord {
    bool guard;   // an upper target: keep the cheapest guard in upperDefender
    bool threat;  // a lower target: keep the cheapest attacker in upperAttacker
    bool square;  // guard and threat also write the attacker's square
    bool check;   // a lower king as target marks the attacker as checker
    bool knight;  // ... and on the king's square
};
constexpr UpperRecord FULL_UPPER_RECORD{true, true, true, true, false};
constexpr UpperRecord UPPER_PAWN_RECORD{true, true, false, true, false};
constexpr UpperRecord UPPER_GUARD_RECORD{true, false, true, true, false};
constexpr UpperRecord UPPER_KNIGHT_RECORD{true, false, true, true, true};
constexpr UpperRecord UPPER_GOLD_RECORD{true, false, false, true, false};
constexpr UpperRecord UPPER_COUNT_RECORD{false, false, false, true, false};
constexpr UpperRecord UPPER_KING_RECORD{true, false, false, false, false};
constexpr UpperRecord UPPER_LINE_RECORD{true, true, true, false, false};  // lines mark checks themselves

template <UpperRecord R>
void recordUpper(Form1& f, int P, int x, int y, int tx, int ty) {
    const int held = f.board[tx][ty];
    ++f.upperInfluence[tx][ty];
    if (piece::isUpper(held)) {
        if (R.guard && P < f.upperDefender[tx][ty]) {
            f.upperDefender[tx][ty] = P;
            if (R.square) {
                f.upperDefenderX[tx][ty] = x;
                f.upperDefenderY[tx][ty] = y;
            }
        }
    } else if (piece::isLower(held)) {
        if (R.threat && P < f.upperAttacker[tx][ty]) {
            f.upperAttacker[tx][ty] = P;
            if (R.square) {
                f.upperAttackerX[tx][ty] = x;
                f.upperAttackerY[tx][ty] = y;
            }
        }
        if (R.check && held == Form1::LOWER_KING) {
            f.upperCheckMap[x][y] = Form1::CHECKER_MARK;
            if (R.knight) f.upperCheckMap[tx][ty] = Form1::CHECKER_MARK;
        }
    }
}

// --------------------------------------------------------------------- steps

struct Offset {
    int dx, dy;
};

// Step targets of each piece, in the order they are recorded.
constexpr Offset LOWER_PAWN_STEPS[] = {{0, -1}};
constexpr Offset UPPER_PAWN_STEPS[] = {{0, 1}};
constexpr Offset LOWER_KNIGHT_STEPS[] = {{-1, -2}, {1, -2}};
constexpr Offset UPPER_KNIGHT_STEPS[] = {{-1, 2}, {1, 2}};
constexpr Offset LOWER_SILVER_STEPS[] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr Offset UPPER_SILVER_STEPS[] = {{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Offset LOWER_GOLD_STEPS[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr Offset UPPER_GOLD_STEPS[] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
constexpr Offset ORTHOGONAL_STEPS[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr Offset DIAGONAL_STEPS[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr Offset KING_STEPS[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};

// Records every target of the list that lies on the board.
template <auto record, std::size_t N>
void steps(Form1& f, int P, int x, int y, const Offset (&offsets)[N]) {
    for (const Offset& o : offsets) {
        const int tx = x + o.dx, ty = y + o.dy;
        if (Form1::onBoard(tx, ty)) record(f, P, x, y, tx, ty);
    }
}

// --------------------------------------------------------------------- lines

// Walks one line (straight or diagonal) from the piece on (x, y) and records
// every square up to the first occupied one. The opposing king does not end
// the line: the check is marked (between and on the attacker) and the walk
// goes on behind the king.
template <bool lower>
void walk(Form1& f, int P, int x, int y, int dx, int dy) {
    constexpr int opposingKing = lower ? Form1::UPPER_KING : Form1::LOWER_KING;
    Map& checkMap = lower ? f.lowerCheckMap : f.upperCheckMap;
    for (int tx = x + dx, ty = y + dy; Form1::onBoard(tx, ty); tx += dx, ty += dy) {
        if constexpr (lower)
            recordLower<LOWER_UNCHECKED_RECORD>(f, P, x, y, tx, ty);
        else
            recordUpper<UPPER_LINE_RECORD>(f, P, x, y, tx, ty);
        const int held = f.board[tx][ty];
        if (held == opposingKing) {
            for (int bx = tx - dx, by = ty - dy; bx != x || by != y; bx -= dx, by -= dy) checkMap[bx][by] = Form1::CHECK_LINE_MARK;
            checkMap[x][y] = Form1::CHECKER_MARK;
        } else if (held != Form1::EMPTY) {
            return;
        }
    }
}

// A straight line takes its side from the sign of the code.
void straight(Form1& f, int P, int x, int y, int dx, int dy) {
    if (P < 0)
        walk<true>(f, P, x, y, dx, dy);
    else
        walk<false>(f, P, x, y, dx, dy);
}

template <bool lower>
void diagonals(Form1& f, int P, int x, int y) {
    for (const Offset& d : DIAGONAL_STEPS) walk<lower>(f, P, x, y, d.dx, d.dy);
}

void rookLines(Form1& f, int P, int x, int y) {
    f.勢力確定下直進(P, x, y);
    f.勢力確定上直進(P, x, y);
    f.勢力確定右直進(P, x, y);
    f.勢力確定左直進(P, x, y);
}

void reset(Map& map, int value) {
    for (int x = 1; x <= Form1::boardSize; ++x) std::fill_n(&map[x][1], Form1::boardSize, value);
}

}  // namespace

void Form1::勢力確定上直進(int 駒種類, int 入力X, int 入力Y) { straight(*this, 駒種類, 入力X, 入力Y, 0, -1); }
void Form1::勢力確定下直進(int 駒種類, int 入力X, int 入力Y) { straight(*this, 駒種類, 入力X, 入力Y, 0, 1); }
void Form1::勢力確定左直進(int 駒種類, int 入力X, int 入力Y) { straight(*this, 駒種類, 入力X, 入力Y, -1, 0); }
void Form1::勢力確定右直進(int 駒種類, int 入力X, int 入力Y) { straight(*this, 駒種類, 入力X, 入力Y, 1, 0); }

void Form1::勢力確定自金(int 駒種類, int 入力X, int 入力Y) {
    steps<recordLower<LOWER_RECORD>>(*this, 駒種類, 入力X, 入力Y, LOWER_GOLD_STEPS);
}

// Every upper gold-mover counts as a plain gold.
void Form1::勢力確定敵金(int 入力X, int 入力Y) {
    steps<recordUpper<UPPER_GOLD_RECORD>>(*this, UPPER_GOLD, 入力X, 入力Y, UPPER_GOLD_STEPS);
}

// A lower horse's diagonals count as a plain bishop.
void Form1::勢力確定自角(int 入力X, int 入力Y) { diagonals<true>(*this, LOWER_BISHOP, 入力X, 入力Y); }

void Form1::勢力確定敵角(int 駒種類, int 入力X, int 入力Y) { diagonals<false>(*this, 駒種類, 入力X, 入力Y); }

void Form1::勢力調査() {
    reset(lowerInfluence, 0);
    reset(upperInfluence, 0);
    reset(lowerCheckMap, 0);
    reset(upperCheckMap, 0);
    reset(lowerAttackerX, 0);
    reset(lowerAttackerY, 0);
    reset(lowerAttacker, NO_LOWER_PIECE);
    reset(lowerDefender, NO_UPPER_PIECE);
    reset(upperDefender, NO_UPPER_PIECE);
    reset(upperAttacker, NO_UPPER_PIECE);
    // upperDefenderX/Y and upperAttackerX/Y are left as they are: some upper
    // records write a code without its square.

    for (int x = 1; x <= boardSize; ++x) {
        for (int y = 1; y <= boardSize; ++y) {
            const int P = board[x][y];
            switch (P) {
            case LOWER_PAWN: steps<recordLower<LOWER_RECORD>>(*this, P, x, y, LOWER_PAWN_STEPS); break;
            case LOWER_LANCE: 勢力確定上直進(P, x, y); break;
            case LOWER_KNIGHT: steps<recordLower<LOWER_KNIGHT_RECORD>>(*this, P, x, y, LOWER_KNIGHT_STEPS); break;
            case LOWER_SILVER: steps<recordLower<LOWER_RECORD>>(*this, P, x, y, LOWER_SILVER_STEPS); break;
            case LOWER_TOKIN:
            case LOWER_PROMOTED_LANCE:
            case LOWER_PROMOTED_KNIGHT:
            case LOWER_PROMOTED_SILVER:
            case LOWER_GOLD: 勢力確定自金(P, x, y); break;
            case LOWER_BISHOP: 勢力確定自角(x, y); break;
            case LOWER_HORSE:
                steps<recordLower<LOWER_RECORD>>(*this, P, x, y, ORTHOGONAL_STEPS);
                勢力確定自角(x, y);
                break;
            case LOWER_ROOK: rookLines(*this, P, x, y); break;
            case LOWER_DRAGON:
                rookLines(*this, P, x, y);
                steps<recordLower<LOWER_RECORD>>(*this, P, x, y, DIAGONAL_STEPS);
                break;
            case LOWER_KING:
                lowerKingX = x;
                lowerKingY = y;
                steps<recordLower<LOWER_UNCHECKED_RECORD>>(*this, P, x, y, KING_STEPS);
                break;

            case UPPER_PAWN: steps<recordUpper<UPPER_PAWN_RECORD>>(*this, P, x, y, UPPER_PAWN_STEPS); break;
            case UPPER_LANCE: 勢力確定下直進(P, x, y); break;
            case UPPER_KNIGHT: steps<recordUpper<UPPER_KNIGHT_RECORD>>(*this, P, x, y, UPPER_KNIGHT_STEPS); break;
            case UPPER_SILVER: steps<recordUpper<UPPER_GUARD_RECORD>>(*this, P, x, y, UPPER_SILVER_STEPS); break;
            case UPPER_TOKIN:
            case UPPER_PROMOTED_LANCE:
            case UPPER_PROMOTED_KNIGHT:
            case UPPER_PROMOTED_SILVER:
            case UPPER_GOLD: 勢力確定敵金(x, y); break;
            case UPPER_BISHOP: 勢力確定敵角(P, x, y); break;
            case UPPER_HORSE:
                steps<recordUpper<UPPER_COUNT_RECORD>>(*this, P, x, y, ORTHOGONAL_STEPS);
                勢力確定敵角(P, x, y);
                break;
            case UPPER_ROOK: rookLines(*this, P, x, y); break;
            case UPPER_DRAGON:
                rookLines(*this, P, x, y);
                steps<recordUpper<FULL_UPPER_RECORD>>(*this, P, x, y, DIAGONAL_STEPS);
                break;
            case UPPER_KING:
                upperKingX = x;
                upperKingY = y;
                steps<recordUpper<UPPER_KING_RECORD>>(*this, P, x, y, KING_STEPS);
                break;
            default: break;  // empty, or a code no piece uses (the spare golds)
            }
        }
    }
}
