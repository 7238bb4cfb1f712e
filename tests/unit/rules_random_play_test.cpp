// Random legal play from the start position: every allowed move, made by the
// move maker, keeps the position sound.

#include <gtest/gtest.h>

#include <random>

#include "tests/support/PositionInvariants.h"
#include "tests/support/RandomMoves.h"
#include "tests/support/TestForm.h"

namespace {

TEST(RandomPlay, EveryAllowedMoveKeepsThePositionSound) {
    std::mt19937_64 random(20261207);
    const PositionExpectations playedByTheRules{.takenKingInTotals = true, .reachedByTheRules = true};
    int movesMade = 0, kingsTaken = 0;
    for (int game = 0; game < 60; ++game) {
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        f.lowerSide = f.SENTE;
        f.upperSide = f.GOTE;
        bool upper = false;
        for (int ply = 0; ply < 300 && f.winner == 0; ++ply) {
            const auto m = randomplay::randomMove(f, upper, random);
            ASSERT_TRUE(m) << "no move in game " << game << " ply " << ply;
            randomplay::makeOnBoard(f, *m);
            ++movesMade;
            const std::string problem = brokenInvariant(f, playedByTheRules);
            ASSERT_EQ(problem, "") << "game " << game << " ply " << ply << ": " << sfen::of(f);
            upper = !upper;
        }
        kingsTaken += f.winner != 0;
    }
    EXPECT_GT(movesMade, 5000);
    EXPECT_GT(kingsTaken, 0);
}

}  // namespace
