// The evaluation's probes on built positions: each row a position (after the
// survey), the square or piece asked about, and the answer expected.

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

#include "tests/support/TestForm.h"

namespace {

using Squares = std::set<std::pair<int, int>>;

struct Surveyed : TestForm {
    explicit Surveyed(const char* sfen) {
        position(sfen);
        form.勢力調査();
    }
    Squares flagged(const int (&map)[10][10]) const {
        Squares s;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (map[x][y] == 1) s.insert({x, y});
        return s;
    }
};

struct SquareProbe {
    const char* sfen;
    int x, y;
    int code;  // the piece asked about, where the probe takes one
    int expected;
};

TEST(ComProbes, SafeMoveCount) {
    const SquareProbe cases[] = {
        // An upper king must advance while it can; all three squares ahead are attacked.
        {"9/9/9/9/4k4/R8/9/9/4K4 w - 1", 5, 5, 950, 0},
        {"9/9/9/9/4k4/9/9/9/4K4 w - 1", 5, 5, 950, 3},
        // A lower piece counts the squares the upper side does not attack.
        {"4k4/9/9/9/4G4/9/9/9/4K4 w - 1", 5, 5, -110, 3},
        {"4k4/9/9/r8/4G4/9/9/9/4K4 w - 1", 5, 5, -110, 0},
        {"8k/9/9/9/4r4/9/9/9/K8 w - 1", 5, 5, 900, 4},
        // The square need not hold the piece; the lower king's square is a safe capture.
        {"8k/9/9/9/9/9/9/9/K8 w - 1", 5, 5, 800, 7},
    };
    for (const auto& c : cases) {
        Surveyed t(c.sfen);
        EXPECT_EQ(t.form.調査_移動可場所数(c.x, c.y, c.code), c.expected) << c.sfen;
    }
}

TEST(ComProbes, KnightTarget) {
    const SquareProbe cases[] = {
        // Pawn on (5, 7) chased by a rook: knights on (4, 5) and (6, 5) would hit king and bishop.
        {"8k/9/9/9/9/9/2K1p1B2/9/4R4 w - 1", 5, 7, 0, 950 + 800},
        {"8k/9/9/9/9/5P3/2K1p1B2/9/4R4 w - 1", 5, 7, 0, 950},  // (6, 5) is attacked
        {"8k/9/9/9/9/9/2R1p1B2/9/4K4 w - 1", 5, 7, 0, 800},    // the rook itself is no target
        {"8k/9/9/9/2K1p1B2/9/9/9/4R4 w - 1", 5, 5, 0, 0},      // too far up the board
        {"8k/9/9/9/9/9/2K1p1B2/4P4/4R4 w - 1", 5, 7, 0, 0},    // chased by a pawn
    };
    for (const auto& c : cases) {
        Surveyed t(c.sfen);
        EXPECT_EQ(t.form.調査_桂狙い(c.x, c.y), c.expected) << c.sfen;
    }
}

TEST(ComProbes, LanceTarget) {
    const SquareProbe cases[] = {
        // Pawn on (5, 7) covered from above by a gold, chased by a bishop; a rook below on the file.
        {"8k/9/9/9/4g4/9/4p4/9/K3R1B2 w - 1", 5, 7, 0, 900},
        {"8k/9/9/9/4g4/9/3Sp4/9/K3R1B2 w - 1", 5, 7, 0, 0},   // the square behind is attacked
        {"8k/9/9/9/9/9/4p4/9/K3R1B2 w - 1", 5, 7, 0, 0},      // and not covered
        {"8k/9/9/9/4g4/9/4p4/4s4/K3R1B2 w - 1", 5, 7, 0, 0},  // an own piece first on the file
    };
    for (const auto& c : cases) {
        Surveyed t(c.sfen);
        EXPECT_EQ(t.form.調査_香狙い(c.x, c.y), c.expected) << c.sfen;
    }
}

TEST(ComProbes, GuardedAlongTheFile) {
    const SquareProbe cases[] = {
        {"k8/9/9/9/9/9/9/9/4R3K w - 1", 5, 5, 0, 1},
        {"k8/9/9/9/9/9/4p4/9/4R3K w - 1", 5, 5, 0, 0},  // an upper piece between
        {"k8/9/9/9/9/9/4G4/9/4R3K w - 1", 5, 5, 0, 0},  // a lower gold between blocks the rook
        {"k8/9/9/9/9/9/9/9/4L3K w - 1", 5, 5, 0, 1},
        {"k8/9/9/9/9/9/9/9/8K w - 1", 5, 5, 0, 0},
        {"k8/9/9/9/4s4/9/9/9/4R3K w - 1", 5, 5, 0, 1},  // the piece on the square is lifted for the test
    };
    for (const auto& c : cases) {
        Surveyed t(c.sfen);
        int before[10][10];
        std::memcpy(before, t.form.board, sizeof before);
        EXPECT_EQ(t.form.調査_自守駒MAN_直進駒(c.x, c.y), c.expected) << c.sfen;
        EXPECT_EQ(std::memcmp(before, t.form.board, sizeof before), 0) << "board not put back";
    }
}

TEST(ComProbes, Surroundings) {
    const SquareProbe cases[] = {
        {"4k4/5r3/9/9/9/9/9/9/4K4 w - 1", 5, 2, 0, -2},  // beside the upper king and rook
        {"k8/9/9/9/9/9/9/7b1/4K4 w - 1", 9, 9, 0, -1},   // a corner
        {"k8/9/9/9/3R5/9/9/9/4K4 w - 1", 5, 5, 0, 0},    // lower pieces do not count
        {"k8/9/9/9/3g5/9/9/9/4K4 w - 1", 5, 5, 0, 0},    // nor light upper ones
    };
    for (const auto& c : cases) {
        Surveyed t(c.sfen);
        EXPECT_EQ(t.form.調査_周辺状況(c.x, c.y), c.expected) << c.sfen;
    }
}

TEST(ComProbes, BishopCheckSquares) {
    const struct {
        const char* sfen;
        Squares expected;
    } cases[] = {
        {"4k4/9/9/9/9/9/9/9/4K4 w - 1", {{4, 2}, {3, 3}, {2, 4}, {1, 5}, {6, 2}, {7, 3}, {8, 4}, {9, 5}}},
        // A second upper guard, a guard too far from the king, a blocked diagonal.
        {"4k4/2g6/6p2/9/9/9/9/9/4K4 w - 1", {{2, 4}, {1, 5}, {6, 2}}},
        // A lower bishop may not step back onto the king while it can advance; from
        // its last rank it may.
        {"9/9/9/9/4k4/9/9/9/4K4 w - 1",
         {{4, 6}, {3, 7}, {2, 8}, {1, 9}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {1, 1}, {9, 1}}},
    };
    for (const auto& c : cases) {
        Surveyed t(c.sfen);
        t.form.調査_持角狙座標();
        EXPECT_EQ(t.flagged(t.form.bishopCheckMap), c.expected) << c.sfen;
    }
}

TEST(ComProbes, PinnedPieces) {
    const struct {
        const char* sfen;
        Squares lower, upper;
    } cases[] = {
        {"k8/9/4r4/9/9/9/P3S4/9/4K4 w - 1", {{5, 7}}, {}},
        // While the rook gives check every lower piece is flagged, the king too.
        {"k8/9/4r4/9/9/9/P8/9/4K4 w - 1", {{1, 7}, {5, 9}}, {}},
        {"4k4/4s4/9/9/9/9/9/4L4/8K w - 1", {}, {{5, 2}}},
        {"k8/9/9/9/b8/9/2G6/9/4K4 w - 1", {{3, 7}}, {}},
    };
    for (const auto& c : cases) {
        Surveyed t(c.sfen);
        int before[10][10];
        std::memcpy(before, t.form.board, sizeof before);
        t.form.調査_移動不可駒();
        EXPECT_EQ(t.flagged(t.form.lowerPinned), c.lower) << c.sfen;
        EXPECT_EQ(t.flagged(t.form.upperPinned), c.upper) << c.sfen;
        EXPECT_EQ(t.form.upperPinnedAny, c.upper.empty() ? 0 : 1) << c.sfen;
        EXPECT_EQ(std::memcmp(before, t.form.board, sizeof before), 0) << "board not put back";
    }
}

}  // namespace
