// Making a move: captures into the hand (demoted), drops, kings and promotion.

#include <gtest/gtest.h>

#include "tests/support/TestForm.h"

namespace {

TestForm& started(TestForm& t, const char* position) {
    t.form.Form_Load();
    t.form.lowerSide = t.form.SENTE;
    t.form.upperSide = t.form.GOTE;
    t.position(position);
    return t;
}

struct CaptureCase {
    const char* what;
    const char* position;
    int fromX, fromY, toX, toY, piece;
    const char* after;
};

TEST(MakeMove, CapturesGoToTheCapturersHandDemoted) {
    const CaptureCase cases[] = {
        {"lower takes a dragon", "9/9/9/9/4+r4/4G4/9/9/9 b - 1", 5, 6, 5, 5, -110, "9/9/9/9/4G4/9/9/9/9 w R 1"},
        {"upper takes a tokin", "9/9/9/9/4+P4/4s4/9/9/9 b - 1", 5, 6, 5, 5, 100, "9/9/9/9/4s4/9/9/9/9 w p 1"},
        {"lower drop of a knight", "9/9/9/9/9/9/9/9/9 b N 1", 11, 5, 5, 5, -30, "9/9/9/9/4N4/9/9/9/9 w - 1"},
        {"upper drop of a rook", "9/9/9/9/9/9/9/9/9 b r 1", -1, 7, 5, 5, 900, "9/9/9/9/4r4/9/9/9/9 w - 1"},
        {"promoting move", "9/9/9/4P4/9/9/9/9/9 b - 1", 5, 4, 5, 3, -11, "9/9/4+P4/9/9/9/9/9/9 w - 1"},
    };
    for (const CaptureCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestForm t;
        started(t, c.position);
        t.form.turn = t.form.upperSide;  // only decides the side letter of the SFEN
        t.form.駒移動(c.fromX, c.fromY, c.toX, c.toY, c.piece);
        EXPECT_EQ(sfen::of(t.form), c.after);
        int lower = 0, upper = 0;
        for (int k = 1; k <= 7; ++k) lower += t.form.lowerHand[k], upper += t.form.upperHand[k];
        EXPECT_EQ(t.form.lowerHandCount, lower);
        EXPECT_EQ(t.form.upperHandCount, upper);
    }
}

TEST(MakeMove, KingCaptureSetsTheWinnerAndCountsWithoutAHandEntry) {
    TestForm t;
    started(t, "9/9/9/9/4k4/4G4/9/9/9 b - 1");
    t.form.駒移動(5, 6, 5, 5, -110);
    EXPECT_EQ(t.form.winner, t.form.lowerSide);
    EXPECT_EQ(t.form.lowerHandCount, 1);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(t.form.lowerHand[k], 0);

    TestForm u;
    started(u, "9/9/9/9/4K4/4r4/9/9/9 b - 1");
    u.form.駒移動(5, 6, 5, 5, 900);
    EXPECT_EQ(u.form.winner, u.form.upperSide);
}

TEST(MakeMove, LowerKingSquareFollowsItsMovesOnly) {
    TestForm t;
    started(t, "4k4/9/9/9/9/9/9/9/4K4 b - 1");
    t.form.upperKingX = t.form.upperKingY = 0;
    t.form.駒移動(5, 9, 4, 8, -950);
    EXPECT_EQ(t.form.lowerKingX, 4);
    EXPECT_EQ(t.form.lowerKingY, 8);
    t.form.駒移動(5, 1, 5, 2, 950);
    EXPECT_EQ(t.form.upperKingX, 0);  // found by the next survey, not here
}

struct PromotionCase {
    int fromX, fromY, toX, toY, piece;
    int promotable, promotedTo;
};

TEST(Promotion, ZonesAndKinds) {
    const PromotionCase cases[] = {
        {5, 4, 5, 3, -10, 1, -11},   {5, 5, 5, 4, -10, 0, 0},  {5, 2, 5, 4, -100, 1, -101}, {5, 4, 5, 5, -100, 0, 0},
        {2, 8, 8, 2, -800, 1, -801}, {5, 6, 5, 7, 10, 1, 11},  {4, 6, 5, 8, 30, 1, 31},     {5, 7, 5, 5, 900, 1, 901},
        {5, 3, 5, 2, -110, 0, 0},    {5, 3, 5, 2, -950, 0, 0}, {5, 3, 5, 2, -11, 0, 0},     {5, 7, 5, 8, 801, 0, 0},
        {11, 3, 5, 2, -10, 0, 0},    {-1, 1, 5, 8, 10, 0, 0},
    };
    for (const PromotionCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.piece << " " << c.fromX << "," << c.fromY << "->" << c.toX << ","
                                        << c.toY);
        TestForm t;
        t.form.promotedPiece = 0;
        EXPECT_EQ(t.form.調査_駒成(c.fromX, c.fromY, c.toX, c.toY, c.piece), c.promotable);
        EXPECT_EQ(t.form.promotedPiece, c.promotedTo);
    }
}

TEST(Promotion, PiecesThatCouldNeverMoveAgainMustPromote) {
    struct {
        int toY, piece, canStay;
    } cases[] = {
        {9, 10, 0},  {8, 10, 1},  {9, 20, 0},  {8, 30, 0},  {7, 30, 1},   {9, 30, 0},  {1, -10, 0},
        {2, -10, 1}, {1, -20, 0}, {2, -30, 0}, {3, -30, 1}, {1, -100, 1}, {9, 800, 1},
    };
    TestForm t;
    for (const auto& c : cases)
        EXPECT_EQ(t.form.移動後チェック(c.toY, c.piece), c.canStay) << c.piece << " to " << c.toY;
}

}  // namespace
