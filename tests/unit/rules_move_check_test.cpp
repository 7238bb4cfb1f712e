// Move legality: each row is a position, a move and whether it is allowed.

#include <gtest/gtest.h>

#include "tests/support/TestForm.h"

namespace {

struct MoveCase {
    const char* what;
    const char* position;
    int fromX, fromY, toX, toY, piece;
    int allowed;
};

void check(const MoveCase& c) {
    SCOPED_TRACE(c.what);
    TestForm t;
    t.position(c.position);
    t.form.調査_2歩フラグ設定();
    EXPECT_EQ(t.form.移動チェック(c.fromX, c.fromY, c.toX, c.toY, c.piece), c.allowed);
}

// Kings in two corners keep positions legal-looking; they never interfere.
constexpr const char* EMPTYISH = "8k/9/9/9/9/9/9/9/K8 b - 1";

TEST(MoveCheck, BoundsAndOwnPieces) {
    const MoveCase cases[] = {
        {"destination column 0", "9/9/9/9/4P4/9/9/9/9 b - 1", 5, 5, 0, 4, -10, 0},
        {"destination row 10", "9/9/9/9/4p4/9/9/9/9 b - 1", 5, 5, 5, 10, 10, 0},
        {"destination equals source", "9/9/9/9/4K4/9/9/9/9 b - 1", 5, 5, 5, 5, -950, 0},
        {"own piece on destination", "9/9/9/4P4/4K4/9/9/9/9 b - 1", 5, 5, 5, 4, -950, 0},
        {"opponent piece on destination", "9/9/9/4p4/4K4/9/9/9/9 b - 1", 5, 5, 5, 4, -950, 1},
    };
    for (const MoveCase& c : cases) check(c);
}

TEST(MoveCheck, PieceMovement) {
    const MoveCase cases[] = {
        {"lower pawn one step", EMPTYISH, 5, 5, 5, 4, -10, 1},
        {"lower pawn two steps", EMPTYISH, 5, 5, 5, 3, -10, 0},
        {"upper pawn one step", EMPTYISH, 5, 5, 5, 6, 10, 1},
        {"lance along an open file", "9/9/9/9/9/9/9/9/L8 b - 1", 1, 9, 1, 2, -20, 1},
        {"lance through a piece", "9/9/9/9/p8/9/9/9/L8 b - 1", 1, 9, 1, 2, -20, 0},
        {"lance onto the blocker", "9/9/9/9/p8/9/9/9/L8 b - 1", 1, 9, 1, 5, -20, 1},
        {"knight jump", EMPTYISH, 5, 5, 4, 3, -30, 1},
        {"knight straight", EMPTYISH, 5, 5, 5, 3, -30, 0},
        {"upper knight jump", EMPTYISH, 5, 5, 6, 7, 30, 1},
        {"silver diagonal back", "9/9/9/3PPP3/4S4/9/9/9/9 b - 1", 5, 5, 4, 6, -100, 1},
        {"silver straight back", "9/9/9/3PPP3/4S4/9/9/9/9 b - 1", 5, 5, 5, 6, -100, 0},
        {"gold straight back", "9/9/9/3SSS3/4G4/9/9/9/9 b - 1", 5, 5, 5, 6, -110, 1},
        {"gold diagonal back", "9/9/9/3SSS3/4G4/9/9/9/9 b - 1", 5, 5, 4, 6, -110, 0},
        {"promoted pawn moves like gold", "9/9/9/3SSS3/4+P4/9/9/9/9 b - 1", 5, 5, 5, 6, -11, 1},
        {"bishop diagonal", EMPTYISH, 5, 5, 2, 2, -800, 1},
        {"bishop blocked", "9/9/9/3p5/4B4/9/9/9/9 b - 1", 5, 5, 3, 3, -800, 0},
        {"horse one step straight", "9/9/9/3SSS3/4+B4/9/9/9/9 b - 1", 5, 5, 5, 6, -801, 1},
        {"rook along rank", "9/9/9/4S4/4R4/9/9/9/9 b - 1", 5, 5, 1, 5, -900, 1},
        {"rook through piece", "9/9/9/4S4/1p2R4/9/9/9/9 b - 1", 5, 5, 1, 5, -900, 0},
        {"dragon one step diagonally", "9/9/9/4S4/4+R4/9/9/9/9 b - 1", 5, 5, 6, 4, -901, 1},
        {"king two steps", EMPTYISH, 5, 5, 5, 3, -950, 0},
    };
    for (const MoveCase& c : cases) check(c);
}

TEST(MoveCheck, ForwardRule) {
    const MoveCase cases[] = {
        // A lower gold on (5, 5) with all three squares ahead empty must advance.
        {"gold back while ahead is open", "9/9/9/9/4G4/9/9/9/9 b - 1", 5, 5, 5, 6, -110, 0},
        {"gold sideways while ahead is open", "9/9/9/9/4G4/9/9/9/9 b - 1", 5, 5, 4, 5, -110, 0},
        {"gold sideways with ahead blocked by own", "9/9/9/3PPP3/4G4/9/9/9/9 b - 1", 5, 5, 6, 5, -110, 1},
        {"gold back with ahead blocked by own", "9/9/9/3PPP3/4G4/9/9/9/9 b - 1", 5, 5, 5, 6, -110, 1},
        {"an opposing piece ahead counts as open", "9/9/9/3PpP3/4G4/9/9/9/9 b - 1", 5, 5, 5, 6, -110, 0},
        // The rook looks at the one square straight ahead only.
        {"rook sideways while ahead is empty", "9/9/9/9/9/9/9/1R7/9 b - 1", 2, 8, 3, 8, -900, 0},
        {"rook sideways with own piece ahead", "9/9/9/9/9/9/1P7/1R7/9 b - 1", 2, 8, 3, 8, -900, 1},
        {"rook down the file with own piece ahead", "9/9/9/9/9/9/1P7/1R7/9 b - 1", 2, 8, 2, 9, -900, 1},
        // With an opposing piece straight ahead the only move is its capture.
        {"lance captures ahead", "9/9/9/9/9/9/9/p8/L8 b - 1", 1, 9, 1, 8, -20, 1},
        {"rook sideways with opponent ahead", "9/9/9/9/9/9/1p7/1R7/9 b - 1", 2, 8, 3, 8, -900, 0},
        {"rook captures ahead", "9/9/9/9/9/9/1p7/1R7/9 b - 1", 2, 8, 2, 7, -900, 1},
        // A bishop counts the square straight ahead although it cannot go there.
        {"bishop with open square ahead but blocked diagonals", "9/9/9/3P1P3/4B4/9/9/9/9 b - 1", 5, 5, 4, 6, -800, 0},
        {"bishop with everything ahead blocked", "9/9/9/3PPP3/4B4/9/9/9/9 b - 1", 5, 5, 4, 6, -800, 1},
        // On the last rank there is nothing ahead.
        {"promoted piece on the last rank moves back", "4+S4/9/9/9/9/9/9/9/9 b - 1", 5, 1, 5, 2, -101, 1},
        {"upper gold forward is down the board", "9/9/9/9/4g4/9/9/9/9 b - 1", 5, 5, 5, 4, 110, 0},
        {"upper gold on its last rank", "9/9/9/9/9/9/9/9/4g4 b - 1", 5, 9, 5, 8, 110, 1},
        {"king may step onto an attacked square", "9/9/9/9/4r4/9/4K4/9/9 b - 1", 5, 7, 5, 6, -950, 1},
        {"king sideways while ahead is open", "9/9/9/9/9/9/4K4/9/9 b - 1", 5, 7, 4, 7, -950, 0},
    };
    for (const MoveCase& c : cases) check(c);
}

TEST(MoveCheck, Drops) {
    const MoveCase cases[] = {
        {"drop on an occupied square", "9/9/9/9/4p4/9/9/9/9 b P 1", 11, 3, 5, 5, -10, 0},
        {"lower pawn on a file with its pawn", "9/9/9/9/4P4/9/9/9/9 b P 1", 11, 3, 5, 3, -10, 0},
        {"lower pawn on a file with only a tokin", "9/9/9/9/4+P4/9/9/9/9 b P 1", 11, 3, 5, 3, -10, 1},
        {"lower pawn on a file with an upper pawn", "9/9/9/9/4p4/9/9/9/9 b P 1", 11, 3, 5, 3, -10, 1},
        {"lower pawn on rank 1", EMPTYISH, 11, 3, 5, 1, -10, 0},
        {"lower lance on rank 1", EMPTYISH, 11, 4, 5, 1, -20, 0},
        {"lower knight on rank 2", EMPTYISH, 11, 5, 5, 2, -30, 0},
        {"lower knight on rank 3", EMPTYISH, 11, 5, 5, 3, -30, 1},
        {"upper pawn on rank 9", "8k/9/9/9/9/9/9/9/9 w p 1", -1, 1, 5, 9, 10, 0},
        {"upper lance on rank 9", EMPTYISH, -1, 2, 5, 9, 20, 0},
        {"upper knight on rank 8", EMPTYISH, -1, 3, 5, 8, 30, 0},
        {"upper knight on rank 7", EMPTYISH, -1, 3, 5, 7, 30, 1},
        {"upper pawn on a file with its pawn", "9/9/9/9/4p4/9/9/9/9 w p 1", -1, 1, 5, 7, 10, 0},
        {"silver on the last rank", EMPTYISH, 11, 6, 5, 1, -100, 1},
        {"gold on the last rank", EMPTYISH, -1, 5, 5, 9, 110, 1},
        {"rook anywhere empty", EMPTYISH, 11, 9, 5, 1, -900, 1},
        // The forward rule never applies to drops.
        {"bishop drop far from anything", EMPTYISH, -1, 6, 2, 8, 800, 1},
    };
    for (const MoveCase& c : cases) check(c);
}

TEST(MoveCheck, TwoPawnFlagsIgnorePromotedPawns) {
    TestForm t;
    t.position("9/9/4+p4/9/4P4/9/2p6/9/9 b - 1");
    t.form.調査_2歩フラグ設定();
    EXPECT_EQ(t.form.lowerPawnFiles[5], 1);
    EXPECT_EQ(t.form.upperPawnFiles[5], 0);
    EXPECT_EQ(t.form.upperPawnFiles[3], 1);
    EXPECT_EQ(t.form.lowerPawnFiles[3], 0);
}

}  // namespace
