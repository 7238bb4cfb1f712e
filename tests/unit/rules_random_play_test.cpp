// Random legal play from the start position: every allowed move, made by the
// move maker, keeps the position sound.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game/PieceCode.h"
#include "rules/MoveList.h"
#include "tests/support/TestForm.h"

namespace {

struct Move {
    int fromX, fromY, toX, toY, code;
};

// The invariants of a position reached by play; empty when all hold.
std::string unsound(const Form1& f, bool kingTaken) {
    int pieces = 0;
    for (int i = 0; i <= 9; ++i)
        if (f.board[0][i] != 0 || f.board[i][0] != 0) return "row or column 0 written";
    for (int x = 1; x <= 9; ++x) {
        int lowerPawns = 0, upperPawns = 0;
        for (int y = 1; y <= 9; ++y) {
            const int c = f.board[x][y];
            if (c == 0) continue;
            if (!piece::isBoardCode(c)) return "code " + std::to_string(c) + " on the board";
            ++pieces;
            lowerPawns += c == Form1::LOWER_PAWN;
            upperPawns += c == Form1::UPPER_PAWN;
            const bool stuck = ((c == -10 || c == -20) && y == 1) || (c == -30 && y < 3) ||
                               ((c == 10 || c == 20) && y == 9) || (c == 30 && y > 7);
            if (stuck) return "a piece that can never move again at " + std::to_string(x) + "," + std::to_string(y);
        }
        if (lowerPawns > 1 || upperPawns > 1) return "two pawns of one side on file x=" + std::to_string(x);
    }
    int lower = 0, upper = 0;
    for (int k = 1; k <= 7; ++k) {
        if (f.lowerHand[k] < 0 || f.upperHand[k] < 0) return "negative hand";
        lower += f.lowerHand[k];
        upper += f.upperHand[k];
    }
    if (lower != f.lowerHandCount || upper != f.upperHandCount) {
        // A captured king raises the capturer's total without a hand entry.
        if (!kingTaken || lower + upper + 1 != f.lowerHandCount + f.upperHandCount) return "hand totals disagree";
    }
    if (pieces + lower + upper != (kingTaken ? 39 : 40)) return "pieces lost or made";
    return "";
}

TEST(RandomPlay, EveryAllowedMoveKeepsThePositionSound) {
    std::mt19937 random(20261207);
    int movesMade = 0, kingsTaken = 0;
    for (int game = 0; game < 60; ++game) {
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        f.lowerSide = f.SENTE;
        f.upperSide = f.GOTE;
        bool upper = false;
        for (int ply = 0; ply < 300 && f.winner == 0; ++ply) {
            std::vector<Move> moves;
            forEachAllowedMove(f, upper, [&](int fx, int fy, int tx, int ty, int code) {
                moves.push_back({fx, fy, tx, ty, code});
            });
            ASSERT_FALSE(moves.empty()) << "no move in game " << game << " ply " << ply;
            Move m = moves[random() % moves.size()];
            int placed = m.code;
            if (f.調査_駒成(m.fromX, m.fromY, m.toX, m.toY, m.code) == Form1::ON &&
                (f.移動後チェック(m.toY, m.code) == Form1::OFF || random() % 2 == 0))
                placed = f.promotedPiece;
            // The upper side's drop names its hand index as the source row.
            f.駒移動(m.fromX, m.fromY, m.toX, m.toY, placed);
            ++movesMade;
            const std::string problem = unsound(f, f.winner != 0);
            ASSERT_EQ(problem, "") << "game " << game << " ply " << ply << ": " << sfen::of(f);
            upper = !upper;
        }
        kingsTaken += f.winner != 0;
    }
    EXPECT_GT(movesMade, 5000);
    EXPECT_GT(kingsTaken, 0);
}

}  // namespace
