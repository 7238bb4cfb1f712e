// The score of one candidate move of the computer, placed on the board with
// the influence maps rebuilt for it. There is no material count: material
// enters only through the pieces this move captures, attacks or exposes. Level
// 1 scores king captures, mates, checks and danger squares; level 2 adds the
// approach to the human's king, exchanges, escape squares and captures; level
// 3 adds the patterns of the piece moved (PiecePatterns.h).

#include "com/PiecePatterns.h"
#include "com/Squares.h"
#include "game/Form1.h"

namespace {

using com::Candidate;

// A check that does not mate: safer and better supported checks score more.
Score checkTerms(const Form1& f, const Candidate& c) {
    const int x = c.toX, y = c.toY, kx = f.lowerKingX, ky = f.lowerKingY;
    const int lower = f.lowerInfluence[x][y], upper = f.upperInfluence[x][y];
    Score score = 0;
    if (f.lowerAttacker[x][y] == Form1::LOWER_KING && upper > 0) score += 100_pt;
    // A checker beside the king, diagonally, held by a dragon on the king's line.
    if (lower <= 2 && f.upperDefender[x][y] == Form1::UPPER_DRAGON && x != kx && y != ky &&
        com::within(x, y, kx, ky, 1) && (f.upperDefenderX[x][y] == kx || f.upperDefenderY[x][y] == ky))
        score += 900_pt;
    if (lower == 0) score += 10_pt;
    return score;
}

Score approachTerm(const Form1& f, const Candidate& c) {
    const int dx = piece::abs(c.toX - f.lowerKingX), dy = piece::abs(c.toY - f.lowerKingY);
    if (dx > dy) return dx < f.sourceKingDistance ? 1_pt : 0;
    return dy < f.sourceKingDistance ? 0.1_pt : 0;
}

// The destination's cheapest attacker A is pinned to the lower king and could
// only take by leaving its line, while the moved piece could take A.
Score pinnedAttackerTerm(Form1& f, const Candidate& c) {
    const int x = c.toX, y = c.toY, kx = f.lowerKingX, ky = f.lowerKingY;
    const int ax = f.lowerAttackerX[x][y], ay = f.lowerAttackerY[x][y];
    const int lower = f.lowerInfluence[x][y];
    if (f.lowerInfluence[ax][ay] <= 0) return 0;
    if (!(lower == 1 || (lower == 2 && f.upperInfluence[kx][ky] > 0 && f.upperInfluence[x][y] > 0))) return 0;
    if (f.lowerPinned[ax][ay] != Form1::ON) return 0;
    const bool leavesLine =
        (ax == kx && x != kx) || (ay == ky && y != ky) || (ax != kx && ay != ky && (x == kx || y == ky));
    if (!leavesLine || f.移動チェック(x, y, ax, ay, f.movingPiece) == Form1::OFF) return 0;
    // The upper piece that attacked A before the move has left its square.
    if (!c.isDrop() && f.board[f.upperAttackerXBefore[ax][ay]][f.upperAttackerYBefore[ax][ay]] == Form1::EMPTY)
        return 0;
    return pts(piece::abs(f.board[ax][ay]));
}

bool isLowerRook(int code) {
    return code == Form1::LOWER_ROOK || code == Form1::LOWER_DRAGON;
}

// The destination is attacked: the exchange there, as far as it can be foreseen.
Score exchangeTerms(const Form1& f, const Candidate& c) {
    const int x = c.toX, y = c.toY;
    const int attacker = f.lowerAttacker[x][y];
    if (f.upperInfluence[x][y] == 0) return c.isDrop() ? -pts(c.code + 50) : 0;
    Score score = 0;
    // A lower rook and the upper king on either side: a dropped silver or gold forks them.
    if ((f.lowerHand[Form1::HAND_SILVER] > 0 || f.lowerHand[Form1::HAND_GOLD] > 0) && x > 1 && x < 9 &&
        ((isLowerRook(f.board[x - 1][y]) && f.board[x + 1][y] == Form1::UPPER_KING) ||
         (isLowerRook(f.board[x + 1][y]) && f.board[x - 1][y] == Form1::UPPER_KING)))
        score -= pts(c.code);
    if (c.code > piece::abs(attacker)) score -= pts(c.code - piece::abs(attacker));
    if (attacker == Form1::LOWER_KING && y < f.lowerKingY && f.upperInfluence[f.lowerKingX][f.lowerKingY] > 0)
        score += pts(c.code);
    return score;
}

// The destination is safe: mind the lower bishop, and take escape squares from the lower king.
Score safeSquareTerms(Form1& f, const Candidate& c) {
    const int dx = piece::abs(c.toX - f.lowerKingX), dy = piece::abs(c.toY - f.lowerKingY);
    Score score = 0;
    if (c.code != Form1::UPPER_BISHOP && c.code != Form1::UPPER_HORSE && c.code != Form1::UPPER_KING &&
        c.code != Form1::UPPER_PAWN)
        score -= pts(f.盤評価_自角注意_COM(c.toX, c.toY, c.code));
    if ((dx < 3 && dy < 3) || c.code == Form1::UPPER_LANCE ||
        (c.code >= Form1::UPPER_BISHOP && c.code <= Form1::UPPER_DRAGON)) {
        const int escapes = f.調査_自王逃道();
        if (f.escapeCountBefore > escapes) score += pts(f.escapeCountBefore - escapes);
    }
    return score;
}

// Leaving a corner file to a lower lance waiting at its foot.
Score edgeLanceTerm(const Form1& f, const Candidate& c) {
    const int x = c.toX;
    if (f.board[x][9] == Form1::LOWER_LANCE && (x == 1 || x == 9) && c.code != Form1::UPPER_LANCE &&
        c.code != Form1::UPPER_ROOK && c.code != Form1::UPPER_DRAGON && x != c.fromX)
        return -0.1_pt;
    return 0;
}

// Material won, as far as the exchange on the destination lets it be kept.
Score captureTerms(Form1& f, const Candidate& c) {
    if (c.captured == Form1::EMPTY) return 0;
    const int x = c.toX, y = c.toY;
    const int lower = f.lowerInfluence[x][y], upper = f.upperInfluence[x][y];
    const int value = piece::abs(c.captured);
    if (lower > 0 && upper > 0) return f.board[x][y] < piece::abs(f.lowerAttacker[x][y]) ? pts(value) : 0;
    if (lower > 0) {
        // A piece attacked where it stood with nowhere safe to go loses nothing by taking.
        if (f.lowerInfluenceBefore[c.fromX][c.fromY] > 0 && f.調査_移動可場所数(c.fromX, c.fromY, c.code) == 0)
            return pts(value);
        return 0;
    }
    const bool promoted = c.captured == Form1::LOWER_TOKIN || c.captured == Form1::LOWER_PROMOTED_LANCE ||
                          c.captured == Form1::LOWER_PROMOTED_KNIGHT;
    return pts(value) + (promoted ? 50_pt : 0);
}

Score levelTwoTerms(Form1& f, const Candidate& c) {
    Score score = approachTerm(f, c) + pinnedAttackerTerm(f, c);
    score += f.lowerInfluence[c.toX][c.toY] == 0 ? safeSquareTerms(f, c) : exchangeTerms(f, c);
    score += edgeLanceTerm(f, c);
    score += captureTerms(f, c);
    return score;
}

}  // namespace

Score Form1::盤評価(int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    const Candidate c{取得駒, 移動駒, 移動元X, 移動元Y, 移動先X, 移動先Y};

    if (取得駒 == LOWER_KING) return KING_CAPTURE_SCORE;
    if (lowerInfluence[upperKingX][upperKingY] >= 1) return -MATE_SCORE;
    Score score = 0;
    if (upperInfluence[lowerKingX][lowerKingY] > 0) {
        // The rules allow a mate by a pawn, but the computer shuns it as standard
        // shogi does and looks for a mate with another piece.
        if (詰めかMAN() == ON) return 移動駒 == UPPER_PAWN ? -MATE_SCORE : MATE_SCORE;
        score += checkTerms(*this, c);
    }
    if (c.isDrop())
        score -= 5_pt;
    else if (移動駒 > movingPiece)
        score += 10_pt;
    score += 盤評価_COM危険座標(移動駒, 移動先X, 移動先Y);

    if (comLevel >= 2) score += levelTwoTerms(*this, c);
    if (comLevel == 3) score = com::piecePatterns(*this, c, score);
    return score;
}
