// Perft: the engine's counts of the move tree, held against numbers from
// elsewhere. Standard shogi's start position has well-known counts; other
// positions are counted again by a plain second reading of the rules, and
// forward-rule positions by the game's own move check.

#include "engine/Perft.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "engine/Notation.h"
#include "game/PieceCode.h"
#include "rules/MoveList.h"
#include "tests/engine/NaiveRules.h"
#include "tests/support/TestForm.h"

namespace {

using engine::Rules;

engine::Position at(const char* sfen, Rules rules) {
    std::string error;
    auto pos = engine::positionFromSfen(sfen, rules, error);
    EXPECT_TRUE(pos) << error;
    return *pos;
}

struct KnownCount {
    int depth;
    std::uint64_t leaves;
};

TEST(Perft, StandardStartPositionHasTheKnownCounts) {
    constexpr KnownCount KNOWN[] = {{1, 30}, {2, 900}, {3, 25470}, {4, 719731}};
    engine::Position pos = at(engine::START_SFEN, Rules::Standard);
    for (const auto& [depth, leaves] : KNOWN) EXPECT_EQ(engine::perft(pos, depth), leaves) << "depth " << depth;
}

struct StandardCase {
    const char* sfen;
    int depth;
};

// Middle games with pieces in hand and promoted pieces, a pawn drop that
// would mate, a pinned bishop and a king in check.
constexpr StandardCase STANDARD_CASES[] = {
    {"ln1g3nl/1r1sk1gb1/p1pppp1pp/6p2/1p5P1/2P6/PPBPPPP1P/5S1R1/LNSGKG1NL b Pp 1", 3},
    {"l6nl/5+P1gk/2np1S3/p1p4Pp/3P2Sp1/1PPb2P1P/P5GS1/R8/LN4bKL w GR5pnsg 1", 2},
    {"8k/7P1/7G1/9/9/9/9/9/K8 b P 1", 3},
    {"4k4/9/4P4/9/4r4/9/9/4B4/4K4 b GS 1", 3},
};

TEST(Perft, StandardPositionsAgreeWithAPlainCount) {
    for (const auto& [sfen, depth] : STANDARD_CASES) {
        engine::Position pos = at(sfen, Rules::Standard);
        EXPECT_EQ(engine::perft(pos, depth), engine_test::naivePerft(pos, depth)) << sfen;
    }
}

// The game's own count: its move check lists the moves, each with the
// promotion choices of a click, played on the form's board and taken back.
std::uint64_t gamePerft(Form1& f, bool upper, int depth) {
    std::uint64_t total = 0;
    forEachAllowedMove(f, upper, [&](int fx, int fy, int tx, int ty, int code) {
        const bool promotable = f.調査_駒成(fx, fy, tx, ty, code) == Form1::ON;
        const bool plain = !promotable || f.移動後チェック(ty, code) == Form1::ON;
        for (const bool promote : {true, false}) {
            if (promote ? !promotable : !plain) continue;
            const int captured = f.board[tx][ty];
            if (depth == 1 || piece::abs(captured) == piece::abs(Form1::UPPER_KING)) {
                ++total;
                continue;
            }
            int board[10][10], lowerHand[8], upperHand[8];
            std::memcpy(board, f.board, sizeof board);
            std::memcpy(lowerHand, f.lowerHand, sizeof lowerHand);
            std::memcpy(upperHand, f.upperHand, sizeof upperHand);
            int* hand = upper ? f.upperHand : f.lowerHand;
            if (captured != 0) hand[piece::handIndex(captured)] += 1;
            if (piece::isDropSource(fx))
                hand[upper ? fy : fy - 2] -= 1;
            else
                f.board[fx][fy] = 0;
            f.board[tx][ty] = promote ? piece::promoted(code) : code;
            total += gamePerft(f, !upper, depth - 1);
            std::memcpy(f.board, board, sizeof board);
            std::memcpy(f.lowerHand, lowerHand, sizeof lowerHand);
            std::memcpy(f.upperHand, upperHand, sizeof upperHand);
            f.調査_2歩フラグ設定();  // the listing goes on with this position's two-pawn flags
        }
    });
    return total;
}

struct ForwardCase {
    const char* sfen;
    int depth;
    std::uint64_t leaves;  // our own number, confirmed by the game's count
};

constexpr ForwardCase FORWARD_CASES[] = {
    {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", 3, 24810},
    {"ln1g3nl/1r1sk1gb1/p1pppp1pp/6p2/1p5P1/2P6/PPBPPPP1P/5S1R1/LNSGKG1NL b Pp 1", 3, 28172},
    {"l6nl/5+P1gk/2np1S3/p1p4Pp/3P2Sp1/1PPb2P1P/P5GS1/R8/LN4bKL w GR5pnsg 1", 2, 26706},
    {"4k4/4G4/4P4/9/9/9/9/9/4K4 w - 1", 3, 281},
};

TEST(Perft, ForwardRulePositionsAgreeWithTheGamesCount) {
    for (const auto& c : FORWARD_CASES) {
        engine::Position pos = at(c.sfen, Rules::Forward);
        TestForm game;
        game.position(c.sfen);
        const bool upper = pos.sideToMove() == engine::WHITE;
        EXPECT_EQ(gamePerft(game.form, upper, c.depth), c.leaves) << c.sfen;
        EXPECT_EQ(engine::perft(pos, c.depth), c.leaves) << c.sfen;
    }
}

TEST(Perft, CountsByRootMoveAddUpAndTakingTheKingIsALeaf) {
    // White's king can be taken at once by the gold; that move counts once at any depth.
    engine::Position pos = at("4k4/4G4/4P4/9/9/9/9/9/4K4 b - 1", Rules::Forward);
    std::uint64_t sum = 0;
    for (const auto& [move, count] : engine::perftByMove(pos, 3)) {
        if (engine::usiOf(move) == "5b5a") {
            EXPECT_EQ(count, 1u);
        }
        sum += count;
    }
    EXPECT_EQ(sum, engine::perft(pos, 3));
}

}  // namespace
