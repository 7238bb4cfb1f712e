// The standard rules a KIF record is replayed under: every piece's movement,
// promotion, drops with the two-pawn rule, pieces that could never move
// again, and the two things the game allows that standard shogi does not.
// Positions are SFEN; moves are written as USI writes them ("7g7f", "2b3c+",
// "P*5e").

#include <gtest/gtest.h>

#include <string>

#include "game/PieceCode.h"
#include "record/StandardReplay.h"
#include "tests/support/KifGames.h"

namespace {

constexpr const char* EVEN = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

int columnOf(char file) { return 10 - (file - '0'); }
int rowOf(char rank) { return rank - 'a' + 1; }

int upperCodeOf(char letter) {
    switch (letter) {
    case 'P': return 10;
    case 'L': return 20;
    case 'N': return 30;
    case 'S': return 100;
    case 'G': return 110;
    case 'B': return 800;
    case 'R': return 900;
    default: return 0;
    }
}

// The move a USI move names in the position, as the record holds it.
kif::Move moveOf(const kif::Position& p, const std::string& usi) {
    kif::Move m;
    const int sign = kif::signOf(p.toMove);
    m.toX = columnOf(usi[2]);
    m.toY = rowOf(usi[3]);
    if (usi[1] == '*') {
        const int k = piece::handIndex(upperCodeOf(usi[0]));
        m.fromX = p.toMove == kif::Side::Lower ? Vocabulary::LOWER_STAND_X : Vocabulary::UPPER_STAND_X;
        m.fromY = p.toMove == kif::Side::Lower ? piece::lowerStandRow(k) : k;
        m.movedPiece = m.placedPiece = sign * upperCodeOf(usi[0]);
        return m;
    }
    m.fromX = columnOf(usi[0]);
    m.fromY = rowOf(usi[1]);
    m.movedPiece = p.board[m.fromX][m.fromY];
    m.placedPiece = usi.size() > 4 && usi[4] == '+' ? piece::promoted(m.movedPiece) : m.movedPiece;
    return m;
}

bool fits(const std::string& sfen, const std::string& usi) {
    const kif::Position p = kiftest::positionOf(sfen);
    kif::StandardReplay replay(p);
    kif::Move m = moveOf(p, usi);
    return replay.play(m);
}

TEST(StandardReplay, MovesFitTheStandardRules) {
    struct Case {
        const char* position;
        const char* move;
        bool fits;
        const char* why;
    } const cases[] = {
        {EVEN, "7g7f", true, "pawn one step"},
        {EVEN, "7g7e", false, "pawn two steps"},
        {EVEN, "7g6f", false, "pawn sideways forward"},
        {EVEN, "3c3d", false, "the other side's piece"},
        {EVEN, "2h2f", false, "rook through its own pawn"},
        {EVEN, "8h7g", false, "onto its own piece"},
        {EVEN, "4i3h", true, "gold diagonally forward"},
        {EVEN, "5i5h", true, "king one step"},
        {"4k4/9/9/9/9/9/9/9/L3K4 b - 1", "9i9b", true, "lance to the second rank"},
        {"4k4/9/9/9/9/9/9/9/L3K4 b - 1", "9i9a", false, "lance left where it cannot move"},
        {"4k4/9/9/9/9/9/9/9/L3K4 b - 1", "9i9a+", true, "lance promoting on the last rank"},
        {"4k4/9/9/9/9/9/9/9/L3K4 b - 1", "9i8h", false, "lance sideways"},
        {"4k4/9/9/p8/9/9/9/9/L3K4 b - 1", "9i9c", false, "lance past a piece"},
        {"4k4/9/9/p8/9/9/9/9/L3K4 b - 1", "9i9d", true, "lance taking the piece in its way"},
        {"4k4/9/9/9/9/9/9/9/1N2K4 b - 1", "8i7g", true, "knight jump"},
        {"4k4/9/9/9/9/9/9/9/1N2K4 b - 1", "8i8g", false, "knight straight"},
        {"4k4/9/9/1N7/9/9/9/9/4K4 b - 1", "8d7b", false, "knight left where it cannot move"},
        {"4k4/9/9/1N7/9/9/9/9/4K4 b - 1", "8d7b+", true, "knight promoting"},
        {"4k4/9/9/9/4S4/9/9/9/4K4 b - 1", "5e4f", true, "silver diagonally back"},
        {"4k4/9/9/9/4S4/9/9/9/4K4 b - 1", "5e5f", false, "silver straight back"},
        {"4k4/9/9/9/4S4/9/9/9/4K4 b - 1", "5e4e", false, "silver sideways"},
        {"4k4/9/9/9/4G4/9/9/9/4K4 b - 1", "5e4f", false, "gold diagonally back"},
        {"4k4/9/9/9/4G4/9/9/9/4K4 b - 1", "5e4e", true, "gold sideways"},
        {"4k4/9/9/9/4+P4/9/9/9/4K4 b - 1", "5e4e", true, "tokin moves as a gold"},
        {"4k4/9/9/9/4+P4/9/9/9/4K4 b - 1", "5e4f", false, "tokin moves only as a gold"},
        {"4k4/9/9/9/4B4/9/2p6/9/4K4 b - 1", "5e7g", true, "bishop taking"},
        {"4k4/9/9/9/4B4/9/2p6/9/4K4 b - 1", "5e8h", false, "bishop past a piece"},
        {"4k4/9/9/9/4B4/9/9/9/4K4 b - 1", "5e5d", false, "bishop straight"},
        {"4k4/9/9/9/4+B4/9/9/9/4K4 b - 1", "5e5d", true, "horse one step straight"},
        {"4k4/9/9/9/4+B4/9/9/9/4K4 b - 1", "5e5c", false, "horse two steps straight"},
        {"4k4/9/9/9/4R4/9/9/9/4K4 b - 1", "5e5a", true, "rook taking the king"},
        {"4k4/9/9/9/4R4/9/9/9/4K4 b - 1", "5e4d", false, "rook diagonally"},
        {"4k4/9/9/9/4+R4/9/9/9/4K4 b - 1", "5e4d", true, "dragon one step diagonally"},
        {"4k4/9/9/9/4+R4/9/9/9/4K4 b - 1", "5e3c", false, "dragon two steps diagonally"},
        {"4k4/9/5S3/9/9/9/9/9/4K4 b - 1", "4c5d+", true, "promoting while leaving the zone"},
        {"4k4/9/9/5S3/9/9/9/9/4K4 b - 1", "4d4c+", true, "promoting while entering the zone"},
        {"4k4/9/9/9/5S3/9/9/9/4K4 b - 1", "4e4d+", false, "promoting outside the zone"},
        {"4k4/9/9/5G3/9/9/9/9/4K4 b - 1", "4d4c+", false, "gold never promotes"},
        {"4k4/9/9/5+S3/9/9/9/9/4K4 b - 1", "4d4c+", false, "promoting twice"},
        {"k8/4P4/9/9/9/9/9/9/4K4 b - 1", "5b5a", false, "pawn left where it cannot move"},
        {"k8/4P4/9/9/9/9/9/9/4K4 b - 1", "5b5a+", true, "pawn promoting on the last rank"},
        {"4k4/9/9/9/9/9/9/9/4K4 w - 1", "5a5b", true, "the upper side moving down"},
        {"4k4/9/9/9/9/9/9/9/4K4 b P 1", "P*5e", true, "pawn drop"},
        {"4k4/9/9/9/9/9/9/9/4K4 b P 1", "P*5a", false, "drop on a piece"},
        {"4k4/9/9/9/9/9/9/9/4K4 b P 1", "P*4a", false, "pawn drop where it could never move"},
        {"4k4/9/9/9/9/9/9/9/4K4 b - 1", "P*5e", false, "drop with nothing in hand"},
        {"4k4/9/9/9/9/9/4P4/9/4K4 b P 1", "P*5e", false, "second pawn in a column"},
        {"4k4/9/9/9/9/9/4P4/9/4K4 b P 1", "P*4e", true, "pawn in another column"},
        {"4k4/9/9/9/9/9/4+P4/9/4K4 b P 1", "P*5e", true, "a tokin is no pawn"},
        {"4k4/9/9/9/4p4/9/9/9/4K4 b P 1", "P*5f", true, "the other side's pawn does not count"},
        {"4k4/9/9/9/9/9/9/9/4K4 b N 1", "N*5b", false, "knight drop where it could never move"},
        {"4k4/9/9/9/9/9/9/9/4K4 b N 1", "N*5c", true, "knight drop"},
        {"4k4/9/9/9/9/9/9/9/4K4 w p 1", "P*5i", false, "upper pawn drop on its last rank"},
        {"4k4/9/9/9/9/9/9/9/4K4 w p 1", "P*5h", true, "upper pawn drop"},
        {"4k4/9/9/9/9/9/9/3r5/4K4 b - 1", "5i5h", true, "king walking into check is allowed"},
        {"7lk/7n1/7G1/9/9/9/9/9/4K4 b P 1", "P*1b", true, "mate by a dropped pawn is allowed"},
    };
    for (const Case& c : cases) EXPECT_EQ(fits(c.position, c.move), c.fits) << c.why << ": " << c.move;
}

TEST(StandardReplay, CapturesGoToHandUnpromotedAndNothingFollowsAKingsCapture) {
    const kif::Position start = kiftest::positionOf("4k4/9/9/9/4+p4/9/4R4/9/4K4 b - 1");
    kif::StandardReplay replay(start);
    kif::Move take = moveOf(replay.position(), "5g5e");
    ASSERT_TRUE(replay.play(take));
    EXPECT_EQ(take.capturedPiece, 11);
    EXPECT_EQ(replay.position().lowerHand[1], 1);
    EXPECT_EQ(replay.position().toMove, kif::Side::Upper);

    for (const char* usi : {"5a4a", "5e4e", "4a4b"}) {
        kif::Move m = moveOf(replay.position(), usi);
        ASSERT_TRUE(replay.play(m)) << usi;
        EXPECT_EQ(m.capturedPiece, 0) << usi;
    }
    kif::Move takeKing = moveOf(replay.position(), "4e4b");
    ASSERT_TRUE(replay.play(takeKing));
    EXPECT_EQ(takeKing.capturedPiece, 950);
    EXPECT_TRUE(replay.kingTaken());
    EXPECT_EQ(replay.position().lowerHand[1], 1) << "a king never goes into hand";
    const kif::Position after = replay.position();
    kif::Move next = moveOf(after, "P*5e");
    EXPECT_FALSE(replay.play(next));
    EXPECT_EQ(replay.position(), after) << "a refused move changes nothing";
}

TEST(StandardReplay, SoundStarts) {
    struct Case {
        const char* position;
        bool sound;
        const char* why;
    } const cases[] = {
        {EVEN, true, "the even start"},
        {"4k4/9/9/9/9/9/9/9/4K4 b 2R2B4G4S4N4L18P 1", true, "every other piece in hand"},
        {"4k4/9/9/9/9/9/9/9/4K4 b 2R2B4G4S4N4L18Pp 1", false, "a nineteenth pawn"},
        {"4k4/9/9/9/9/9/9/9/4K4 b 3R 1", false, "a third rook"},
        {"4k4/9/9/9/9/9/9/9/9 b - 1", false, "no lower king"},
        {"4k4/9/9/9/9/9/9/9/3KK4 b - 1", false, "two lower kings"},
        {"4k4/9/9/9/4P4/4P4/9/9/4K4 b - 1", false, "two lower pawns in a column"},
        {"4k4/9/9/9/4P4/4+P4/9/9/4K4 b - 1", true, "a pawn and a tokin in a column"},
        {"P3k4/9/9/9/9/9/9/9/4K4 b - 1", false, "a lower pawn on the last rank"},
        {"+P3k4/9/9/9/9/9/9/9/4K4 b - 1", true, "a tokin on the last rank"},
        {"4k4/9/9/9/9/9/9/n8/4K4 b - 1", false, "an upper knight on its second last rank"},
    };
    for (const Case& c : cases) EXPECT_EQ(kif::isSoundStart(kiftest::positionOf(c.position)), c.sound) << c.why;
}

}  // namespace
