// Check and mate detection for both kings. Every position is tested as given
// (詰めかMAN, the human's king) and turned round (詰めかCOM, the computer's
// king): the two are mirror images and must agree.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "tests/support/TestForm.h"

namespace {

// The position seen from the other side: every piece changes owner and stands
// on the point-reflected square, and the hands swap.
void turnRound(Form1& f) {
    int board[10][10];
    std::memcpy(board, f.board, sizeof board);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) f.board[x][y] = -board[10 - x][10 - y];
    std::swap(f.lowerHand, f.upperHand);
    std::swap(f.lowerHandCount, f.upperHandCount);
}

struct MateCase {
    const char* name;
    const char* sfen;
    int mated;
};

// The lower king on (5, 9) in check; K on (5, 9) is the one under test.
const MateCase mateCases[] = {
    {"king not attacked, though it has no move", "4k4/9/9/9/9/9/9/PP7/KL7 w - 1", 0},
    {"distant rook check, nothing in hand", "4k4/9/9/9/4r4/9/9/3P1P3/3LKL3 w - 1", 1},
    {"distant rook check, a gold in hand blocks", "4k4/9/9/9/4r4/9/9/3P1P3/3LKL3 w G 1", 0},
    {"distant rook check, a hand of only a pawn blocks", "4k4/9/9/9/4r4/9/9/3P1P3/3LKL3 w P 1", 0},
    {"distant rook check, two pawns in hand block", "4k4/9/9/9/4r4/9/9/3P1P3/3LKL3 w 2P 1", 0},
    {"distant rook check, only pawns and a pawn already on the file", "4k4/9/4P4/9/4r4/9/9/3P1P3/3LKL3 w P 1", 1},
    {"pawn on the file does not stop a gold drop", "4k4/9/4P4/9/4r4/9/9/3P1P3/3LKL3 w PG 1", 0},
    {"supported gold in contact", "4k4/9/9/9/9/9/4s4/4g4/4K4 w - 1", 1},
    {"supported gold in contact, a hand cannot block", "4k4/9/9/9/9/9/4s4/4g4/4K4 w GS 1", 1},
    {"king takes an unsupported checker", "4k4/9/9/9/9/9/9/4g4/4K4 w - 1", 0},
    {"a silver takes the checker", "4k4/9/9/9/9/9/4s4/4g4/3SK4 w - 1", 0},
    {"sideways step forbidden while a square ahead is open", "4k4/9/9/9/9/9/3ng4/3N1N3/4K4 w - 1", 1},
    {"sideways step allowed when nothing ahead is open", "4k4/9/9/9/9/9/3ng4/3NNN3/4K4 w - 1", 0},
    {"knight check: a drop cannot block it", "4k4/9/9/9/9/9/3ng4/3N1N3/4K4 w G 1", 1},
    {"a silver interposes from the board", "4k4/9/9/9/4r4/9/9/3S1P3/3LKL3 w - 1", 0},
};

void PrintTo(const MateCase& c, std::ostream* out) { *out << c.name; }

class Mate : public ::testing::TestWithParam<MateCase> {};

TEST_P(Mate, HumanKing) {
    TestForm t;
    t.position(GetParam().sfen);
    Form1& f = t.form;
    f.調査_2歩フラグ設定();
    f.勢力調査();
    int before[10][10];
    std::memcpy(before, f.board, sizeof before);
    EXPECT_EQ(f.詰めかMAN(), GetParam().mated);
    EXPECT_EQ(std::memcmp(before, f.board, sizeof before), 0) << "board not put back";
}

TEST_P(Mate, ComputerKingTurnedRound) {
    TestForm t;
    t.position(GetParam().sfen);
    Form1& f = t.form;
    turnRound(f);
    f.調査_2歩フラグ設定();
    f.勢力調査();
    int before[10][10];
    std::memcpy(before, f.board, sizeof before);
    EXPECT_EQ(f.詰めかCOM(), GetParam().mated);
    EXPECT_EQ(std::memcmp(before, f.board, sizeof before), 0) << "board not put back";
}

std::string caseName(const ::testing::TestParamInfo<MateCase>& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Positions, Mate, ::testing::ValuesIn(mateCases), caseName);

// Can some upper piece move onto the lower king by the rules (the forward rule included)?
struct CaptureCase {
    const char* sfen;
    int canTake;
};

const CaptureCase captureCases[] = {
    {"k8/9/9/9/4r4/9/9/9/4K4 w - 1", 1},      // rook down an open file
    {"k8/9/9/9/4r4/9/4P4/9/4K4 w - 1", 0},    // the file is blocked
    {"k8/9/9/9/9/9/4K4/4g4/9 w - 1", 0},      // a gold may not step back while it can advance
    {"k8/9/9/9/9/9/4K4/4g4/3sss3 w - 1", 1},  // with nowhere to advance it may
    {"k8/9/9/9/9/9/9/4K4/9 w - 1", 0},        // only the far king
};

TEST(MateCapture, AnUpperPieceReachesTheLowerKing) {
    for (const auto& c : captureCases) {
        TestForm t;
        t.position(c.sfen);
        t.form.勢力調査();
        EXPECT_EQ(t.form.詰めかMAN_COM移動(), c.canTake) << c.sfen;
    }
}

// Free, unattacked neighbour squares of the lower king.
struct EscapeCase {
    const char* sfen;
    int escapes;
};

const EscapeCase escapeCases[] = {
    {"4k4/9/9/9/4K4/9/9/9/9 w - 1", 8},
    {"4k4/9/4g4/9/4K4/9/9/9/9 w - 1", 5},      // the gold covers the three squares above
    {"4k4/9/4g4/9/4K4/3P1p3/9/9/9 w - 1", 3},  // an own piece and an upper piece are no escape
    {"4k4/9/9/9/9/9/9/9/K8 w - 1", 3},         // the corner
};

TEST(MateEscapes, CountsFreeUnattackedNeighbours) {
    for (const auto& c : escapeCases) {
        TestForm t;
        t.position(c.sfen);
        t.form.勢力調査();
        EXPECT_EQ(t.form.調査_自王逃道(), c.escapes) << c.sfen;
    }
}

}  // namespace
