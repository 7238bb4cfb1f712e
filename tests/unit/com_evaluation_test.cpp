// 盤評価 on built positions. Each row is a position before the computer's
// move, the move, and what one level adds: the level-3 patterns are the
// difference between levels 3 and 2, the level-2 terms that between levels 2
// and 1, and the level-1 check and drop terms what is left of level 1 after
// the danger squares. Terminal scores are checked whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/PieceCode.h"
#include "tests/support/TestForm.h"

namespace {

struct Move {
    int fromX, fromY, toX, toY;
    int code;  // as it stands on the destination (promoted if it promotes)
};

// A position with the computer to move, prepared the way its turn prepares the
// search, so that single candidates can be placed and scored.
struct ComToMove : TestForm {
    explicit ComToMove(const char* sfen) {
        computerToMove(sfen);
        Form1& f = form;
        f.勢力調査();  // the survey after the human's move
        f.prepareComSearch();
    }

    // What `measure` gives with the move standing on the board; the board is put back.
    template <class Measure>
    Score withMove(const Move& m, Measure measure) {
        Form1& f = form;
        const bool drop = m.fromX == Form1::UPPER_STAND_X;
        if (drop && f.upperHand[m.fromY] <= 0) ADD_FAILURE() << "no such piece in the upper hand";
        f.movingPiece = drop ? piece::ofHandIndex(m.fromY) : f.board[m.fromX][m.fromY];
        // A drop sees the distance of the last board move tried; here none was.
        f.sourceKingDistance = drop ? 0 : std::max(std::abs(m.fromX - f.lowerKingX), std::abs(m.fromY - f.lowerKingY));
        const int captured = f.board[m.toX][m.toY];
        const int source = drop ? 0 : f.board[m.fromX][m.fromY];
        if (!drop) f.board[m.fromX][m.fromY] = Form1::EMPTY;
        f.board[m.toX][m.toY] = m.code;
        f.勢力調査();
        const Score s = measure(captured);
        f.board[m.toX][m.toY] = captured;
        if (!drop) f.board[m.fromX][m.fromY] = source;
        return s;
    }

    Score score(int level, const Move& m) {
        form.comLevel = level;
        return withMove(m, [&](int captured) { return form.盤評価(captured, m.code, m.fromX, m.fromY, m.toX, m.toY); });
    }

    // What the terms of one level add to the score of the level below.
    Score levelTerms(int level, const Move& m) {
        if (level > 1) return score(level, m) - score(level - 1, m);
        const Score danger = withMove(m, [&](int) { return form.盤評価_COM危険座標(m.code, m.toX, m.toY); });
        return score(1, m) - danger;
    }
};

struct TermCase {
    const char* name;
    const char* sfen;
    int level;
    Move move;
    Score expected;
};

void PrintTo(const TermCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr int DROP = Form1::UPPER_STAND_X;
constexpr const char* START = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1";

const TermCase wholeScores[] = {
    {"capturing the lower king", "4k4/9/9/4g4/4K4/9/9/9/9 w - 1", 1, {5, 4, 5, 5, 110}, 9999_pt},
    {"a mate by a gold", "k8/9/9/9/9/9/3gs4/9/4K4 w - 1", 1, {4, 7, 5, 8, 110}, 9998_pt},
    {"the same mate, upper king attacked", "k8/9/9/9/9/9/3gs4/9/R3K4 w - 1", 1, {4, 7, 5, 8, 110}, -9998_pt},
    {"a mate by a pawn move", "k8/9/9/9/4l4/9/3sps3/9/4K4 w - 1", 1, {5, 7, 5, 8, 10}, -9998_pt},
    {"the same move promoting", "k8/9/9/9/4l4/9/3sps3/9/4K4 w - 1", 1, {5, 7, 5, 8, 11}, 9998_pt},
    {"a mate by a pawn drop", "k8/9/9/9/4l4/9/3s1s3/9/4K4 w p 1", 3, {DROP, 1, 5, 8, 10}, -9998_pt},
};

class WholeScore : public ::testing::TestWithParam<TermCase> {};

TEST_P(WholeScore, Is) {
    const TermCase& c = GetParam();
    ComToMove t(c.sfen);
    EXPECT_EQ(scoreText(t.score(c.level, c.move)), scoreText(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Terminal, WholeScore, ::testing::ValuesIn(wholeScores));

const TermCase termCases[] = {
    // Level 1: checks, drops and promotions.
    {"quiet check by a dropped rook: +10 - 5", "k8/9/9/9/9/9/9/9/4K4 w r 1", 1, {DROP, 7, 5, 5, 900}, 5_pt},
    {"checker attacked only by the king, defended", "k8/9/9/9/9/9/2gs5/9/4K4 w - 1", 1, {3, 7, 4, 8, 110}, 100_pt},
    {"dragon-held checker beside the king", "k8/9/9/9/9/9/2g1+r4/4P4/2S1K4 w - 1", 1, {3, 7, 4, 8, 110}, 900_pt},
    {"a drop", "k8/9/9/9/9/9/9/9/4K4 w g 1", 1, {DROP, 5, 5, 5, 110}, -5_pt},
    {"a promotion", "k8/9/9/9/9/2s6/9/9/8K w - 1", 1, {3, 6, 3, 7, 101}, 10_pt},
    {"the same move unpromoted", "k8/9/9/9/9/2s6/9/9/8K w - 1", 1, {3, 6, 3, 7, 100}, 0},

    // Level 2.
    {"approach along the rank", "k8/9/9/9/9/9/9/4g4/8K w - 1", 2, {5, 8, 6, 9, 110}, 1_pt},
    {"approach along the file", "k8/9/9/9/4g4/9/9/9/8K w - 1", 2, {5, 5, 6, 6, 110}, 0.1_pt},
    {"attacker pinned to its king", "k8/9/4r4/9/3s5/9/4G4/3S5/4K4 w - 1", 2, {4, 5, 4, 6, 100}, 110.1_pt},
    {"pinned attacker, its old attacker moved", "k8/9/4r4/9/2b6/9/4G4/3S5/4K4 w - 1", 2, {3, 5, 4, 6, 800}, 0.1_pt},
    {"knight to rank 8 by a pinned attacker", "k8/9/4r4/9/9/2n6/3s5/4G4/4K4 w - 1", 2, {3, 6, 4, 8, 31}, 0.1_pt},
    {"bishop in hand could check through it", "4k4/9/9/9/g8/9/9/9/8K w B 1", 2, {1, 5, 2, 6, 110}, -109_pt},
    {"a rook takes three escape squares", "k8/9/9/9/9/9/9/9/4K4 w r 1", 2, {DROP, 7, 1, 8, 900}, 3_pt},
    {"exchange loses the difference", "k8/9/9/3s1g3/9/4P4/9/9/8K w - 1", 2, {6, 4, 5, 5, 110}, -99.9_pt},
    {"checker attacked only by the king", "k8/9/9/9/9/9/2gs5/9/4K4 w - 1", 2, {3, 7, 4, 8, 110}, 110.1_pt},
    {"between lower rook and own king", "9/9/9/4g4/3k1R3/9/9/9/8K w S 1", 2, {5, 4, 5, 5, 110}, -109.9_pt},
    {"undefended drop on an attacked square", "k8/9/9/9/9/4P4/9/9/8K w g 1", 2, {DROP, 5, 5, 5, 110}, -160_pt},
    {"leaving a corner file to a lower lance", "k8/9/9/1g7/9/9/9/9/L7K w - 1", 2, {2, 4, 1, 5, 110}, -0.1_pt},
    {"moving up the corner file", "k8/9/9/g8/9/9/9/9/L7K w - 1", 2, {1, 4, 1, 5, 110}, 0},
    {"safe capture of a rook", "k8/9/9/4g4/4R4/9/9/9/8K w - 1", 2, {5, 4, 5, 5, 110}, 900.1_pt},
    {"safe capture of a promoted pawn", "k8/9/9/4g4/4+P4/9/9/9/8K w - 1", 2, {5, 4, 5, 5, 110}, 61.1_pt},
    {"capture on a square the attacker values more", "k8/9/9/3sp4/4S4/4G4/9/9/8K w - 1", 2, {5, 4, 5, 5, 10}, 100.1_pt},
    {"trapped piece takes what it can", "k8/9/9/4g4/4P4/4G4/9/9/8K w - 1", 2, {5, 4, 5, 5, 110}, 10.1_pt},

    // Level 3, pawns.
    {"pawn prepares a lance drop", "8k/9/9/9/4g4/4p4/9/9/K3R1B2 w l 1", 3, {5, 6, 5, 7, 10}, 899.9_pt},
    {"pawn prepares a knight drop", "8k/9/9/9/9/4p4/2K3B2/9/4R4 w n 1", 3, {5, 6, 5, 7, 10}, 1749.9_pt},
    {"pawn in front of an own gold", "k8/9/9/4p4/9/4g4/9/9/8K w - 1", 3, {5, 4, 5, 5, 10}, 1_pt},
    {"pawn in front of an own rook", "k8/9/9/4p4/9/4r4/9/9/8K w - 1", 3, {5, 4, 5, 5, 10}, -1.1_pt},
    {"pawn against a trapped silver", "k8/9/9/3sps3/9/4S4/9/9/8K w - 1", 3, {5, 4, 5, 5, 10}, 101.5_pt},
    {"pawn between two own rooks pays once", "k8/9/9/4p4/3r1r3/9/9/9/8K w - 1", 3, {5, 4, 5, 5, 10}, -1.1_pt},
    {"pawn drop backed by a silver", "k8/9/9/4s4/9/9/9/9/8K w Pp 1", 3, {DROP, 1, 5, 5, 10}, 6_pt},
    {"pawn drop before the bishop's home", "4k4/9/9/9/9/9/9/1B7/8K w p 1", 3, {DROP, 1, 2, 7, 10}, 30_pt},
    {"guarded pawn drop before a rook", "k8/9/9/4g4/9/9/9/4R4/8K w p 1", 3, {DROP, 1, 5, 5, 10}, 120_pt},
    {"pawn backed by a lance", "k8/4l4/9/4p4/9/9/9/9/8K w - 1", 3, {5, 4, 5, 5, 10}, 0.9_pt},
    {"pawn backed by a rook", "k8/4r4/9/4p4/9/9/9/9/8K w - 1", 3, {5, 4, 5, 5, 10}, 1.9_pt},
    {"pawn facing a lower knight", "k8/9/9/4p4/9/9/4N4/9/8K w - 1", 3, {5, 4, 5, 5, 10}, 0.9_pt},
    {"pawn against a defended lower pawn", "k8/9/9/4p4/9/4P4/4G4/9/8K w - 1", 3, {5, 4, 5, 5, 10}, -10.1_pt},
    {"pawn between two own bishops", "k8/9/9/4p4/3b1b3/9/5P3/9/8K w - 1", 3, {5, 4, 5, 5, 10}, 5.9_pt},
    {"the opening pawn push", START, 3, {7, 3, 7, 4, 10}, 9.9_pt},
    {"pawn takes before a lower rook", "k8/9/4g4/4p4/4P4/9/9/9/4R3K w - 1", 3, {5, 4, 5, 5, 10}, 54.9_pt},
    {"pawn takes before a lance, bishop behind", "k8/9/3sb4/4p4/4P4/9/9/9/4L3K w - 1", 3, {5, 4, 5, 5, 10}, 44.9_pt},
    {"pawn against a silver attacked before", "k8/9/9/3nps3/9/4S4/3N5/9/8K w - 1", 3, {5, 4, 5, 5, 10}, -0.5_pt},
    {"pawn against a silver, evenly held", "k8/9/9/4ps3/9/4S4/9/9/8K w - 1", 3, {5, 4, 5, 5, 10}, 5.5_pt},
    {"pawn against a bishop, nobody around", "k8/9/9/4p4/9/4B4/9/9/8K w - 1", 3, {5, 4, 5, 5, 10}, 0.9_pt},
    {"promoted pawn held", "k8/9/9/9/4+p4/9/9/9/8K w - 1", 3, {5, 5, 5, 6, 11}, 1_pt},

    // Level 3, the other pieces.
    {"lance prepares a knight drop", "8k/9/9/9/9/4l4/2K3B2/9/4R4 w n 1", 3, {5, 6, 5, 7, 20}, 1749.1_pt},
    {"lance drop, lower pawn in hand", "k8/9/9/9/9/9/4G4/9/8K w Pl 1", 3, {DROP, 2, 5, 5, 20}, -10_pt},
    {"lance drop skewering a rook", "k8/9/9/4g4/9/4L4/9/4R4/8K w l 1", 3, {DROP, 2, 5, 5, 20}, 900_pt},
    {"quiet lance move", "k8/9/9/4l4/9/9/9/9/8K w - 1", 3, {5, 4, 5, 5, 20}, -0.9_pt},
    {"lance capture", "k8/9/9/4l4/4P4/9/9/9/8K w - 1", 3, {5, 4, 5, 5, 20}, 0},
    {"quiet knight move", "k8/9/4n4/9/9/9/9/9/8K w - 1", 3, {5, 3, 4, 5, 30}, -0.1_pt},
    {"knight with the square ahead attacked", "k8/9/4n4/9/9/9/3P5/9/8K w - 1", 3, {5, 3, 4, 5, 30}, -1.1_pt},
    {"knight whose jumps are both attacked", "k8/9/4n4/9/9/9/9/2P1P4/8K w - 1", 3, {5, 3, 4, 5, 30}, -1.1_pt},
    {"knight to (7, 3) before the own bishop", "k4n3/9/9/7b1/9/5P1P1/9/9/8K w - 1", 3, {6, 1, 7, 3, 30}, -6.1_pt},
    {"silver straight ahead", "k8/9/4s4/9/9/9/9/9/8K w - 1", 3, {5, 3, 5, 4, 100}, -0.1_pt},
    {"silver diagonally", "k8/9/4s4/9/9/9/9/9/8K w - 1", 3, {5, 3, 4, 4, 100}, 0},
    {"silver in front of an own knight", "k8/9/3sn4/9/9/9/9/9/8K w - 1", 3, {4, 3, 5, 4, 100}, -0.5_pt},
    {"silver to (7, 3)", "k8/5s3/7p1/9/7P1/9/9/9/8K w - 1", 3, {6, 2, 7, 3, 100}, 115_pt},
    {"gold diagonally forward", "k8/9/4g4/9/9/9/9/9/8K w - 1", 3, {5, 3, 4, 4, 110}, -0.5_pt},
    {"gold dropped below row 5", "k8/9/9/9/9/9/9/9/8K w g 1", 3, {DROP, 5, 5, 7, 110}, -0.5_pt},
    {"gold dropped on row 5", "k8/9/9/9/9/9/9/9/8K w g 1", 3, {DROP, 5, 5, 5, 110}, 0},
    {"gold to row 4, bishop attacked", "k8/9/3g5/5b3/5P3/9/9/9/8K w - 1", 3, {4, 3, 4, 4, 110}, -5_pt},
    {"gold to (7, 2), rook-backed pawn", "k5g2/9/7p1/9/9/7P1/9/7R1/8K w - 1", 3, {7, 1, 7, 2, 110}, 10_pt},
    {"gold guarding against a bishop drop", "3g4k/9/3p5/3b5/9/9/9/9/K8 w B 1", 3, {4, 1, 4, 2, 110}, 127_pt},
    {"bishop beside an own rook", "k8/9/2b6/9/4r4/9/9/9/8K w - 1", 3, {3, 3, 4, 4, 800}, -1_pt},
    {"bishop to (9, 3) over the edge pawns", "k8/7b1/9/8p/9/8P/9/9/K7L w - 1", 3, {8, 2, 9, 3, 800}, -10_pt},
    {"bishop to (7, 3), rook-backed pawn", "k8/7b1/9/9/7P1/9/9/7R1/8K w - 1", 3, {8, 2, 7, 3, 800}, 9_pt},
    {"bishop facing a lower pawn", "k8/9/9/3b5/9/9/4P4/9/8K w - 1", 3, {4, 4, 5, 5, 800}, -1_pt},
    {"bishop with nowhere to go", "k8/9/9/3b5/9/3p1p3/4P4/9/8K w - 1", 3, {4, 4, 5, 5, 800}, -101_pt},
    {"bishop leaving (9, 3)", "k8/9/8b/8p/9/8P/9/9/K7L w - 1", 3, {9, 3, 8, 4, 800}, 10_pt},
    {"bishop leaving (7, 3)", "k8/9/6b2/9/7P1/9/9/7R1/8K w - 1", 3, {7, 3, 6, 4, 800}, -10_pt},
    {"horse beside an own rook", "k8/9/2+b6/9/4r4/9/9/9/8K w - 1", 3, {3, 3, 4, 4, 801}, -1_pt},
    {"rook dropped by a silver-gold wall", "k8/9/9/9/9/9/9/4SG3/K2N5 w r 1", 3, {DROP, 7, 5, 9, 900}, -1_pt},
    {"rook to (3, 4), then trapped", "k8/2r6/9/9/9/2P6/2B6/9/8K w - 1", 3, {3, 2, 3, 4, 900}, -29_pt},
    {"rook sideways before a lower pawn", "k8/9/9/4r4/4p4/3P5/9/9/8K w - 1", 3, {5, 4, 4, 4, 900}, -41_pt},
    {"rook leaves rank before rook-backed pawn", "k8/9/5r3/7P1/9/9/9/7R1/8K w - 1", 3, {6, 3, 6, 5, 900}, -11_pt},
    {"rook leaves an own pawn there", "k8/9/5rp2/7P1/9/9/9/7R1/8K w - 1", 3, {6, 3, 6, 5, 900}, -11_pt},
    {"rook one step from its home", "k8/1r7/9/9/9/9/9/9/8K w - 1", 3, {2, 2, 2, 3, 900}, -1_pt},
    {"rook on the lower king's rank", "k8/9/9/9/2r6/9/9/9/4K4 w - 1", 3, {3, 5, 3, 9, 900}, 100_pt},
    {"dragon beside a silver-gold wall", "k8/9/9/9/9/9/9/4SG3/K2N2+r2 w - 1", 3, {7, 9, 5, 9, 901}, -10_pt},
    {"dragon leaving the corner-file silver", "k8/9/9/9/K8/9/9/8S/8+r w - 1", 3, {9, 9, 8, 9, 901}, 0},
    {"dragon leaving silver and gold", "k8/9/9/9/K8/9/9/7GS/8+r w - 1", 3, {9, 9, 8, 9, 901}, 2_pt},
    {"dragon into the corner of a castle", "k8/9/9/9/8K/9/9/2PG5/1N2+r4 w - 1", 3, {5, 9, 3, 9, 901}, -150_pt},
    {"dragon on the lower king's rank", "k8/9/2+r6/9/4K4/9/9/9/9 w - 1", 3, {3, 3, 3, 5, 901}, 100_pt},
    {"king while an upper piece is pinned", "4k4/4s4/9/9/9/9/9/4L4/8K w - 1", 3, {5, 1, 4, 2, 950}, 10_pt},
    {"king with nowhere safe to go", "4k4/9/R8/9/9/9/9/9/8K w - 1", 3, {5, 1, 5, 2, 950}, -20_pt},
};

class Terms : public ::testing::TestWithParam<TermCase> {};

TEST_P(Terms, OfOneLevel) {
    const TermCase& c = GetParam();
    ComToMove t(c.sfen);
    int before[10][10];
    std::memcpy(before, t.form.board, sizeof before);
    EXPECT_EQ(scoreText(t.levelTerms(c.level, c.move)), scoreText(c.expected));
    EXPECT_EQ(std::memcmp(before, t.form.board, sizeof before), 0) << "board not put back";
}

INSTANTIATE_TEST_SUITE_P(Positions, Terms, ::testing::ValuesIn(termCases));

// The scores above are those the computer's own turn keeps: for every board
// move that cannot promote, the turn's traced score equals the one scored here.
TEST(EvaluationAsTheTurnSeesIt, SameScoresAsTheSearch) {
    struct Seen {
        Move move;
        Score score;
    };
    const char* positions[] = {
        START,
        "ln1g1k1nl/1r1s2g2/p1pppsbpp/1p3pp2/7P1/2P1P4/PP1P1PP1P/1BG1S2R1/LN2KGSNL w - 1",
    };
    for (const char* sfen : positions) {
        for (int level = 1; level <= 3; ++level) {
            std::vector<Seen> seen;
            ComToMove t(sfen);
            t.form.comLevel = level;
            t.platform.candidateListener = [&seen](const ScoredCandidate& c) {
                seen.push_back({{c.fromX, c.fromY, c.toX, c.toY, c.code}, c.score});
            };
            t.form.com_ban();
            ComToMove fresh(sfen);
            int compared = 0;
            for (const Seen& s : seen) {
                const Move& m = s.move;
                if (fresh.form.調査_駒成(m.fromX, m.fromY, m.toX, m.toY, fresh.form.board[m.fromX][m.fromY]) == 1)
                    continue;
                EXPECT_EQ(scoreText(fresh.score(level, m)), scoreText(s.score))
                    << sfen << " level " << level << " move " << m.fromX << m.fromY << m.toX << m.toY;
                ++compared;
            }
            EXPECT_GT(compared, 20);
        }
    }
}

}  // namespace
