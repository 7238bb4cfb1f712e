// The candidate position seen from the computer's side, square by square:
// penalties for its own weaknesses (attacked or loose pieces, holes near its
// king, squares where the human's pieces in hand would strike) and small
// bonuses for its own threats, the largest for a fork by the piece just moved.
// Also the caution against lining a piece up for a lower bishop's check.

#include <initializer_list>
#include <limits>

#include "com/ReachableSquares.h"
#include "com/Squares.h"
#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {

using com::at;
using com::within;

bool holdsSilverOrGold(const int* hand) {
    return hand[4] > 0 || hand[5] > 0;
}

// An empty square the lower side attacks: near the upper king, or in the upper
// camp where the upper side does not cover it.
Score attackedEmptySquare(Form1& f, int x, int y) {
    const int lower = f.lowerInfluence[x][y], upper = f.upperInfluence[x][y];
    Score score = 0;
    if (within(x, y, f.upperKingX, f.upperKingY, 1)) {
        score -= 0.5_pt * lower;
        if (upper == 1 && lower > 1) score -= 10_pt;
        if (holdsSilverOrGold(f.lowerHand)) score -= 10_pt;
    }
    if (upper == 0 && y < 4) {
        score -= 0.1_pt;
        if (f.調査_自守駒MAN_直進駒(x, y) == Form1::ON) score -= 10_pt;
    }
    if (y < 4 && f.board[x][y + 1] == Form1::LOWER_PAWN && lower >= upper) {
        score -= 30_pt;
        if (f.調査_自守駒MAN_直進駒(x, y + 1) == Form1::ON) score -= 70_pt;
    }
    return score;
}

// What a lower lance, knight, silver or gold dropped on this empty square would threaten.
Score dropThreats(Form1& f, int x, int y) {
    const int lower = f.lowerInfluence[x][y], upper = f.upperInfluence[x][y];
    Score score = 0;
    // A lance skewering an upper piece against a more valuable one behind it.
    if (f.lowerHand[Form1::HAND_LANCE] > 0 && y > 2 && f.board[x][y - 1] > Form1::UPPER_LANCE && (lower > 0 || upper == 0)) {
        for (int behind = y - 2; behind >= 1; --behind) {
            const int code = f.board[x][behind];
            if (code == Form1::EMPTY) continue;
            if (code > Form1::UPPER_LANCE) score -= 100_pt + pts(code) / 2;
            break;
        }
    }
    // A knight forking two upper pieces.
    if (f.lowerHand[Form1::HAND_KNIGHT] > 0 && (upper == 0 || (lower > 0 && f.upperAttacker[x][y] > Form1::UPPER_KNIGHT)) && y > 2 &&
        x > 1 && x < 9 && f.board[x - 1][y - 2] > Form1::UPPER_PAWN && f.board[x + 1][y - 2] > Form1::UPPER_PAWN)
        score -= 20_pt;
    // A silver or gold dropped among the heavy upper pieces.
    if (holdsSilverOrGold(f.lowerHand) && upper <= 1) {
        const int crowd = f.調査_周辺状況(x, y);
        if (crowd < -1) score -= 5_pt;
        if (upper == 0 && crowd < 0) {
            score -= 1_pt;
            if (y < 4) score -= 10_pt;
        }
    }
    return score;
}

bool looseUpperPiece(const Form1& f, int x, int y) {
    return f.board[x][y] >= Form1::UPPER_PAWN && f.upperInfluence[x][y] == 0;
}

// An empty square the upper side does not cover.
Score uncoveredSquare(const Form1& f, int x, int y) {
    Score score = 0;
    if (y == 2 && f.board[x][1] == Form1::UPPER_KNIGHT) score -= 5_pt;
    if (y < 4) score -= 0.1_pt;
    // A dropped silver would fork two loose upper pieces on a diagonal pair.
    if (f.lowerHand[Form1::HAND_SILVER] > 0 && y > 1 && y < 9 && x > 1 && x < 9) {
        if (looseUpperPiece(f, x - 1, y - 1) && looseUpperPiece(f, x + 1, y + 1)) score -= 20_pt;
        if (looseUpperPiece(f, x - 1, y + 1) && looseUpperPiece(f, x + 1, y - 1)) score -= 20_pt;
    }
    return score;
}

Score emptySquare(Form1& f, int x, int y) {
    Score score = 0;
    if (f.lowerInfluence[x][y] > 0) score += attackedEmptySquare(f, x, y);
    if (f.lowerHandCount > 0) score += dropThreats(f, x, y);
    if (f.upperInfluence[x][y] == 0) score += uncoveredSquare(f, x, y);
    return score;
}

// The upper king on its home rank with the square in front of it attacked.
Score kingFrontAttacked(const Form1& f, int x) {
    Score score = -50_pt;
    if (f.lowerInfluence[x][2] >= f.upperInfluence[x][2]) score -= 250_pt;
    if (holdsSilverOrGold(f.lowerHand)) score -= 700_pt;
    return score;
}

// An upper piece the lower side attacks: what the exchange on its square would cost.
Score attackedUpperPiece(Form1& f, int x, int y) {
    const int code = f.board[x][y];
    const int lower = f.lowerInfluence[x][y], upper = f.upperInfluence[x][y];
    const int attacker = piece::abs(f.lowerAttacker[x][y]);
    const bool attackerFree = f.lowerPinned[f.lowerAttackerX[x][y]][f.lowerAttackerY[x][y]] == Form1::OFF;
    Score score = 0;
    if (f.upperDefender[x][y] == Form1::UPPER_KING && (lower > 1 || code > attacker)) score -= 100_pt;
    if (attackerFree && code > attacker) score -= pts(code - attacker);
    if (upper > 0 && attackerFree) {
        if (lower > upper && f.upperDefender[x][y] >= attacker) score -= pts(code);
        if (y <= 3 && lower == upper && f.board[x][y + 1] != Form1::EMPTY &&
            f.調査_自守駒MAN_直進駒(x, y + 1) == Form1::ON)
            score -= pts(code + piece::abs(f.lowerAttacker[x][y + 1]));
    }
    if (upper == 0) {
        score -= pts(code);
        if (y <= 3) score -= 10_pt;
        // A piece that has just captured here gets the captured piece back.
        if (f.savedBoard[x][y] <= Form1::LOWER_PAWN) score += pts(-f.savedBoard[x][y]);
        const int cheapest = f.lowerAttacker[x][y];
        if ((cheapest == Form1::LOWER_PAWN || cheapest == Form1::LOWER_LANCE) && y < 4) score -= 20_pt;
    }
    return score;
}

Score upperPiece(Form1& f, int x, int y) {
    const int code = f.board[x][y];
    Score score = 0;
    if (code == Form1::UPPER_KING && y == 1 && f.lowerInfluence[x][2] > 0) score += kingFrontAttacked(f, x);
    // A pawn held by a lower rook, where a lower pawn drop would win it.
    if (code == Form1::UPPER_PAWN && f.lowerAttacker[x][y] == Form1::LOWER_ROOK && f.lowerHand[Form1::HAND_PAWN] > 0 &&
        f.lowerInfluence[x][y] >= f.upperInfluence[x][y] && y < 9 && f.upperInfluence[x][y + 1] == 1)
        score -= 5_pt;
    if (f.lowerInfluence[x][y] > 0) score += attackedUpperPiece(f, x, y);
    return score;
}

// A lower piece: newly attacked ones near the upper king, knights about to
// jump at upper pieces, and lines onto the upper king's file.
Score lowerPiece(const Form1& f, int x, int y) {
    const int code = f.board[x][y];
    Score score = 0;
    if (f.upperInfluenceBefore[x][y] == 0 && f.upperInfluence[x][y] > 0) {
        if (code == Form1::LOWER_KNIGHT && y > 2 && f.lowerInfluence[x][y - 1] == 0) {
            const int above = f.board[x][y - 1];
            if (above == Form1::UPPER_SILVER || above == Form1::UPPER_DRAGON || above == Form1::UPPER_HORSE)
                score += 1_pt;
        }
        if (within(x, y, f.upperKingX, f.upperKingY, 2)) score += 15_pt;
    }
    if (code == Form1::LOWER_KNIGHT && y >= 5 && f.board[x][y - 4] >= Form1::UPPER_SILVER) {
        for (const int side : {-1, 1}) {
            const int tx = x + side;
            if (tx >= 1 && tx <= 9 && f.board[tx][y - 2] >= 0 && f.upperInfluence[tx][y - 2] == 0) score -= 1_pt;
        }
    }
    if ((code == Form1::LOWER_ROOK || code == Form1::LOWER_DRAGON || code == Form1::LOWER_LANCE) && x == f.upperKingX)
        score -= 1_pt;
    return score;
}

}  // namespace

Score Form1::盤評価_COM危険座標(int 移動駒, int COM移動先X, int COM移動先Y) {
    // The moved piece forks the lower pieces it could take from a safe square.
    const bool destinationSafe = lowerInfluence[COM移動先X][COM移動先Y] == 0;
    const com::SquareSet reach =
        destinationSafe ? com::reachableSquares(board, COM移動先X, COM移動先Y, 移動駒) : com::SquareSet{};
    int forkCount = 0;
    int forkMinimum = std::numeric_limits<int>::max();

    Score score = 0;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const int code = board[x][y];
            if (code == EMPTY) {
                score += emptySquare(*this, x, y);
            } else if (code >= UPPER_PAWN) {
                score += upperPiece(*this, x, y);
            } else if (code <= LOWER_PAWN) {
                score += lowerPiece(*this, x, y);
                if (destinationSafe && (lowerInfluence[x][y] == 0 || (x == lowerKingX && y == lowerKingY)) &&
                    reach.contains(x, y) && 移動チェック(COM移動先X, COM移動先Y, x, y, 移動駒) == ON) {
                    score += 0.1_pt;
                    ++forkCount;
                    if (-code < forkMinimum) forkMinimum = -code;
                }
            }
        }
    if (forkCount > 1) score += pts(forkMinimum);
    return score;
}

// A piece put where a lower bishop on the same diagonal could reach a square
// from which it checks the upper king costs its own value, when the lower side
// has a bishop that can get to that square.
int Form1::盤評価_自角注意_COM(int 移動元X, int 移動元Y, int 移動駒) {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            if (bishopCheckMap[x][y] != ON) continue;
            if (移動チェック(移動元X, 移動元Y, x, y, LOWER_BISHOP) == OFF &&
                移動チェック(移動元X, 移動元Y, x, y, LOWER_HORSE) == OFF)
                continue;
            if (lowerHand[HAND_BISHOP] > 0 && board[x][y] == EMPTY) return 移動駒;
            for (int bx = 1; bx <= boardSize; ++bx)
                for (int by = 1; by <= boardSize; ++by) {
                    const int code = board[bx][by];
                    if ((code == LOWER_BISHOP || code == LOWER_HORSE) && 移動チェック(bx, by, x, y, code) == ON)
                        return 移動駒;
                }
            return 0;
        }
    return 0;
}
