// Making and unmaking moves: every move of random games in both rule sets
// is made and taken back, and the incrementally kept hash key must equal the
// key of the same position set up from scratch, before and after.

#include <gtest/gtest.h>

#include <random>

#include "engine/Legality.h"
#include "engine/Notation.h"

namespace {

using engine::Rules;

constexpr int GAMES = 6;
constexpr int PLIES = 100;

// The position rebuilt from its text: no history, everything derived anew.
engine::Key freshKey(const engine::Position& pos) {
    std::string error;
    return engine::positionFromSfen(engine::sfenOf(pos), pos.rules(), error)->key();
}

TEST(Position, MakeAndUnmakeRestoreEverythingAndKeepTheKeyRight) {
    for (const Rules rules : {Rules::Forward, Rules::Standard}) {
        std::mt19937 random(rules == Rules::Forward ? 11 : 12);
        for (int g = 0; g < GAMES; ++g) {
            std::string error;
            engine::Position pos = *engine::positionFromSfen(engine::START_SFEN, rules, error);
            for (int ply = 0; ply < PLIES; ++ply) {
                engine::MoveList list;
                engine::generateLegalMoves(pos, list);
                if (list.size == 0) break;
                const std::string before = engine::sfenOf(pos);
                const engine::Key key = pos.key();
                for (const engine::Move m : list) {
                    pos.makeMove(m);
                    ASSERT_EQ(pos.key(), freshKey(pos)) << before << " after " << engine::usiOf(m);
                    pos.unmakeMove(m);
                    ASSERT_EQ(engine::sfenOf(pos), before) << "after taking back " << engine::usiOf(m);
                    ASSERT_EQ(pos.key(), key);
                }
                const engine::Move m = list[static_cast<int>(random() % static_cast<unsigned>(list.size))];
                if (engine::kindOf(pos.capturedBy(m)) == engine::KING) break;
                pos.makeMove(m);
            }
        }
    }
}

TEST(Position, NullMoveOnlyHandsOverTheTurn) {
    std::string error;
    engine::Position pos = *engine::positionFromSfen(engine::START_SFEN, Rules::Forward, error);
    const engine::Key key = pos.key();
    pos.makeNullMove();
    EXPECT_EQ(pos.sideToMove(), engine::WHITE);
    EXPECT_EQ(pos.key(), freshKey(pos));
    pos.unmakeNullMove();
    EXPECT_EQ(pos.key(), key);
    EXPECT_EQ(engine::sfenOf(pos), engine::START_SFEN);
}

TEST(Position, RepetitionsAreCounted) {
    std::string error;
    engine::Position pos = *engine::positionFromSfen(engine::START_SFEN, Rules::Standard, error);
    const char* shuffle[] = {"5i5h", "5a5b", "5h5i", "5b5a"};
    for (int round = 1; round <= 3; ++round) {
        for (const char* text : shuffle) pos.makeMove(engine::moveFromUsi(pos, text));
        EXPECT_EQ(pos.repetitions(), round);
    }
}

struct SfenCase {
    const char* text;
    bool valid;
};

TEST(Position, SfenIsReadBackAsWrittenAndBadTextIsRefused) {
    constexpr SfenCase CASES[] = {
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", true},
        {"l6nl/5+P1gk/2np1S3/p1p4Pp/3P2Sp1/1PPb2P1P/P5GS1/R8/LN4bKL w RGgsn5p 1", true},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL x - 1", false},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1 b - 1", false},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNLL b - 1", false},
        {"+k8/9/9/9/9/9/9/9/K8 b - 1", false},
        {"k8/9/9/9/9/9/9/9/K8 b 2K 1", false},
        {"k8/9/9/9/9/9/9/9/K8 b 19P 1", false},
        {"k8/9/9/9/9/9/9/9/K8", false},
    };
    for (const auto& [text, valid] : CASES) {
        std::string error;
        const auto pos = engine::positionFromSfen(text, Rules::Forward, error);
        ASSERT_EQ(pos.has_value(), valid) << text << ": " << error;
        if (valid) {
            EXPECT_EQ(engine::sfenOf(*pos), text);
        }
    }
}

}  // namespace
