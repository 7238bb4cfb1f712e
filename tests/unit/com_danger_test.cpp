// Danger squares of the candidate position, whole: each row is the position
// after a candidate move (and the position before it where that matters), the
// destination and code of the moved piece, and the total the scan adds up.
// The bare upper camp alone costs 0.1 for every empty square the upper side
// does not cover, which is why most totals end in tenths.

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/TestForm.h"

namespace {

// The position after a candidate move, with the position before it saved the
// way the computer's turn saves it (the same position when none is given).
struct AfterMove : TestForm {
    AfterMove(const char* after, const char* before) {
        Form1& f = form;
        position(before ? before : after);
        f.勢力調査();
        f.調査_持角狙座標();
        f.調査_移動不可駒();
        std::memcpy(f.savedBoard, f.board, sizeof f.board);
        std::memcpy(f.upperInfluenceBefore, f.upperInfluence, sizeof f.upperInfluence);
        position(after);
        f.勢力調査();
    }
};

struct DangerCase {
    const char* name;
    const char* after;
    const char* before;  // nullptr: nothing moved
    int toX, toY, code;  // the moved piece
    Score expected;
};

const DangerCase dangerCases[] = {
    {"bare kings: 21 uncovered camp squares", "4k4/9/9/9/9/9/9/9/K8 w - 1", nullptr, 5, 1, 950, -2.1_pt},
    {"hole under an upper knight on its home rank", "1n2k4/9/9/9/9/9/9/9/K8 w - 1", nullptr, 5, 1, 950, -6.8_pt},
    {"silver fork threat on one diagonal pair", "4k4/9/9/2p6/9/4p4/9/9/K8 w S 1", nullptr, 5, 1, 950, -22.1_pt},
    {"silver fork threat on the other pair", "4k4/9/9/4p4/9/2p6/9/9/K8 w S 1", nullptr, 5, 1, 950, -22.1_pt},
    {"silver fork threat on both pairs", "4k4/9/9/2p1p4/9/2p1p4/9/9/K8 w S 1", nullptr, 5, 1, 950, -42.1_pt},
    // Lower attacks next to the upper king and on the square in front of it.
    {"gold attacking the king's front", "4k4/9/4G4/9/9/9/9/9/K8 w - 1", nullptr, 5, 1, 950, -303.7_pt},
    {"the same with a silver in hand", "4k4/9/4G4/9/9/9/9/9/K8 w S 1", nullptr, 5, 1, 950, -1033.7_pt},
    {"the king's front attacked twice, covered once", "4k4/9/9/3N1N3/9/9/9/9/K8 w - 1", nullptr, 5, 1, 950, -313.3_pt},
    // Attacked, uncovered squares in the upper camp, and a lower rook behind them.
    {"lower rook up an open file", "4k4/9/9/9/9/9/9/9/1R6K w - 1", nullptr, 5, 1, 950, -32.4_pt},
    {"lower pawn under an uncovered camp square", "4k4/9/9/1P7/9/9/9/9/8K w - 1", nullptr, 5, 1, 950, -32.2_pt},
    {"the same pawn backed by a rook", "4k4/9/9/1P7/9/9/9/9/1R6K w - 1", nullptr, 5, 1, 950, -102.2_pt},
    // What the pieces in the lower hand could do if dropped.
    {"lance drop skewering rook and king", "4k4/9/4r4/9/4P4/9/9/9/8K w L 1", nullptr, 5, 3, 900, -576.1_pt},
    {"no lance in hand", "4k4/9/4r4/9/4P4/9/9/9/8K w - 1", nullptr, 5, 3, 900, -1.1_pt},
    {"knight drop forking two golds", "4k4/3g1g3/9/9/9/9/9/9/8K w N 1", nullptr, 5, 1, 950, -21.4_pt},
    {"silver drop beside king and rook", "4k1r2/9/9/9/9/9/9/9/8K w S 1", nullptr, 5, 1, 950, -17.6_pt},
    {"gold drop beside king and rook", "4k1r2/9/9/9/9/9/9/9/8K w G 1", nullptr, 5, 1, 950, -17.6_pt},
    // Upper pieces under attack.
    {"pawn held by a rook, a pawn in hand", "4k4/9/9/9/2p6/9/9/2R6/8K w P 1", nullptr, 5, 1, 950, -17.1_pt},
    {"pawn held by a rook, no pawn in hand", "4k4/9/9/9/2p6/9/9/2R6/8K w - 1", nullptr, 5, 1, 950, -12.1_pt},
    {"gold guarded only by the king", "4k4/4g4/4P4/9/9/9/9/9/8K w - 1", nullptr, 5, 2, 110, -501.8_pt},
    {"loose silver, attacker pinned", "4k4/9/9/4b4/2s6/2P6/9/K8/9 w - 1", nullptr, 3, 5, 100, -101.5_pt},
    {"loose silver, attacker free", "4k4/9/9/4b4/2s6/2P6/9/9/K8 w - 1", nullptr, 3, 5, 100, -191.5_pt},
    {"gold attacked twice, guarded once", "4k4/9/9/4p4/4g4/4P4/3N5/9/8K w - 1", nullptr, 5, 5, 110, -212.1_pt},
    {"silver in the camp, a rook behind the exchange", "4k4/1g7/1s7/1p7/2N6/9/9/9/1R6K w - 1", nullptr, 2, 3, 100,
     -1071.5_pt},
    {"a silver that has just taken a gold", "4k4/9/9/9/2s6/2P6/9/9/8K w - 1", "4k4/9/9/2s6/2G6/2P6/9/9/8K w - 1", 3, 5,
     100, -82.1_pt},
    {"the same silver without the capture", "4k4/9/9/9/2s6/2P6/9/9/8K w - 1", nullptr, 3, 5, 100, -192.1_pt},
    // Lower pieces.
    {"pawn near the king newly attacked", "4k4/2p6/2P6/9/9/9/9/9/8K w - 1", "2p1k4/9/2P6/9/9/9/9/9/8K w - 1", 3, 2, 10,
     -26.9_pt},
    {"the same pawn attacked before", "4k4/2p6/2P6/9/9/9/9/9/8K w - 1", nullptr, 3, 2, 10, -41.9_pt},
    {"knight newly attacked by a silver above it", "4k4/9/9/9/9/4s4/4N4/9/8K w - 1", "4k4/9/9/9/4s4/9/4N4/9/8K w - 1",
     5, 6, 100, -1.0_pt},
    {"knight aiming at squares below a silver", "4k4/9/4s4/9/9/9/4N4/9/8K w - 1", nullptr, 5, 3, 100, -4.0_pt},
    {"lance on the upper king's file", "4k4/9/9/9/4P4/9/9/9/4L3K w - 1", nullptr, 5, 1, 950, -3.1_pt},
    // Forks by the moved piece from a safe square.
    {"knight forks silver and bishop", "4k4/9/9/9/4n4/9/3S1B3/9/8K w - 1", nullptr, 5, 5, 30, 97.9_pt},
    {"one of them guarded", "4k4/9/9/9/4n4/9/3S1B3/3G5/8K w - 1", nullptr, 5, 5, 30, -2.2_pt},
    {"knight forks king and rook", "4k4/9/9/9/4n4/9/3K1R3/9/9 w - 1", nullptr, 5, 5, 30, 887.0_pt},
};

void PrintTo(const DangerCase& c, std::ostream* out) {
    *out << c.name;
}

class Danger : public ::testing::TestWithParam<DangerCase> {};

TEST_P(Danger, Total) {
    const DangerCase& c = GetParam();
    AfterMove t(c.after, c.before);
    EXPECT_EQ(scoreText(t.form.盤評価_COM危険座標(c.code, c.toX, c.toY)), scoreText(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Positions, Danger, ::testing::ValuesIn(dangerCases),
                         [](const auto& param) { return "row" + std::to_string(param.index); });

TEST(DangerBishopCaution, CostsThePieceWhenALowerBishopCanReachTheCheckSquare) {
    const struct {
        const char* sfen;
        int toX, toY, code;
        int expected;
    } cases[] = {
        {"4k4/9/9/9/9/1g7/9/9/8K w B 1", 2, 6, 110, 110},   // a bishop in hand, the square empty
        {"4k4/9/9/9/9/1g7/9/9/8K w - 1", 2, 6, 110, 0},     // no lower bishop anywhere
        {"4k4/9/9/1B7/9/9/8g/9/K8 w - 1", 9, 7, 110, 110},  // a lower bishop can go there
    };
    for (const auto& c : cases) {
        AfterMove t(c.sfen, nullptr);
        EXPECT_EQ(t.form.盤評価_自角注意_COM(c.toX, c.toY, c.code), c.expected) << c.sfen;
    }
}

}  // namespace
