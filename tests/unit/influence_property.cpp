// The influence counts and check maps of whole positions against a count made
// here from the attack geometry of each kind. Attacks are counted whatever
// the target holds, and lines run on through the opposing king, so the game's
// move check (with its forward rule and its ban on taking one's own pieces)
// is no substitute.

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/TestForm.h"

namespace {

struct Direction {
    int dx, dy;  // seen from the lower side: forward is dy = -1
};

struct Reach {
    std::vector<Direction> steps;
    std::vector<Direction> lines;
};

const std::vector<Direction> ORTHOGONAL = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
const std::vector<Direction> DIAGONAL = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
const std::vector<Direction> GOLD = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}};

Reach reachOf(int kind) {
    switch (kind) {
    case 10: return {{{0, -1}}, {}};
    case 20: return {{}, {{0, -1}}};
    case 30: return {{{-1, -2}, {1, -2}}, {}};
    case 100: return {{{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {1, 1}}, {}};
    case 11:
    case 21:
    case 31:
    case 101:
    case 110: return {GOLD, {}};
    case 800: return {{}, DIAGONAL};
    case 801: return {ORTHOGONAL, DIAGONAL};
    case 900: return {{}, ORTHOGONAL};
    case 901: return {DIAGONAL, ORTHOGONAL};
    case 950: {
        std::vector<Direction> all = ORTHOGONAL;
        all.insert(all.end(), DIAGONAL.begin(), DIAGONAL.end());
        return {all, {}};
    }
    default: return {};
    }
}

bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

struct Expected {
    int influence[2][10][10]{};  // [0] lower side, [1] upper side
    int checkMap[2][10][10]{};
};

Expected countAttacks(const Form1& f) {
    Expected e;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = f.board[x][y];
            if (code == 0) continue;
            const int side = code < 0 ? 0 : 1;
            const int forward = side == 0 ? 1 : -1;  // the upper side sees the board upside down
            const int kind = code < 0 ? -code : code;
            const int opposingKing = side == 0 ? Form1::UPPER_KING : Form1::LOWER_KING;
            const Reach reach = reachOf(kind);
            for (const Direction& d : reach.steps) {
                const int tx = x + d.dx, ty = y + d.dy * forward;
                if (!onBoard(tx, ty)) continue;
                ++e.influence[side][tx][ty];
                if (f.board[tx][ty] == opposingKing && kind != 950) {
                    e.checkMap[side][x][y] = 9;
                    if (kind == 30) e.checkMap[side][tx][ty] = 9;
                }
            }
            for (const Direction& d : reach.lines) {
                const int dx = d.dx, dy = d.dy * forward;
                for (int tx = x + dx, ty = y + dy; onBoard(tx, ty); tx += dx, ty += dy) {
                    ++e.influence[side][tx][ty];
                    if (f.board[tx][ty] == opposingKing) {
                        e.checkMap[side][x][y] = 9;
                        for (int bx = x + dx, by = y + dy; bx != tx || by != ty; bx += dx, by += dy)
                            e.checkMap[side][bx][by] = 1;
                    } else if (f.board[tx][ty] != 0) {
                        break;
                    }
                }
            }
        }
    return e;
}

const char* const POSITIONS[] = {
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
    "ln1g3nl/1r1s1kg2/p1pppsbpp/1p3pp2/7P1/2PPP1P2/PPBS1P2P/2GK1S1R1/LN1G3NL b - 1",
    "lnk3g1l/1s1g5/pppp1p1pp/4p1p2/2Pr5/3PP1P2/PPSG1P2P/2K2S3/LN1G3+bL b RBNpn 1",
    "l4k1nl/4g1gs1/p1n1pp1p1/2pp2p1p/1p1s5/2P1P1PP1/PPS2P2P/1KG1G4/LN5RL b RBbnp 1",
    // A dragon checks and its line runs on past the king to the edge.
    "ln1g1g1nl/1r2k2b1/p1pp1pppp/4+R4/9/2B6/PPPPPPPPP/9/LNSGKGSNL b s 1",
    // A knight and a bishop check at once.
    "4k4/9/9/9/3n5/9/4K4/9/2b6 w - 1",
    // Every promoted kind of both sides.
    "+P+L+N+S2+B+R1/4k4/9/9/9/9/9/4K4/+p+l+n+s2+b+r1 b - 1",
    // Horses and dragons checking with their single steps.
    "4k4/3+R+B4/9/9/9/9/9/3+r+b4/4K4 b - 1",
    // Rooks checking along a file and a rank, one line ending on the other rook.
    "4r4/9/9/9/4K4/9/9/9/4R3k b - 1",
};

TEST(InfluenceProperty, CountsAndChecksMatchTheAttackGeometry) {
    for (const char* sfen : POSITIONS) {
        SCOPED_TRACE(sfen);
        TestForm t;
        t.position(sfen);
        const Expected e = countAttacks(t.form);
        // A second survey must not add to the first.
        for (int run = 0; run < 2; ++run) {
            t.form.勢力調査();
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    SCOPED_TRACE(testing::Message() << "square (" << x << ", " << y << ")");
                    EXPECT_EQ(t.form.lowerInfluence[x][y], e.influence[0][x][y]);
                    EXPECT_EQ(t.form.upperInfluence[x][y], e.influence[1][x][y]);
                    EXPECT_EQ(t.form.lowerCheckMap[x][y], e.checkMap[0][x][y]);
                    EXPECT_EQ(t.form.upperCheckMap[x][y], e.checkMap[1][x][y]);
                }
        }
    }
}

}  // namespace
