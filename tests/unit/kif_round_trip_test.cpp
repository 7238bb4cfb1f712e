// KIF and KIFU round trips of the game's own records: games played on the
// game from every kind of start, written, read back and replayed under the
// standard rules to the same positions at every step, with the same clocks to
// the second.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "game/PieceCode.h"
#include "record/Handicaps.h"
#include "record/KifReader.h"
#include "record/KifWriter.h"
#include "tests/support/KifGames.h"
#include "tests/support/RecordGames.h"

namespace {

using kif::Format;

constexpr Format FORMATS[] = {Format::Kif, Format::Kifu};

// What one round trip saw, summed over all games so the test can tell that
// every kind of move went through.
struct Seen {
    int drops = 0, promotions = 0, captures = 0, recaptures = 0;
    void count(const kif::Game& game) {
        for (size_t i = 0; i < game.moves.size(); ++i) {
            const kif::Move& m = game.moves[i];
            drops += piece::isDropSource(m.fromX);
            promotions += m.placedPiece != m.movedPiece;
            captures += m.capturedPiece != 0;
            recaptures += i > 0 && game.moves[i - 1].toX == m.toX && game.moves[i - 1].toY == m.toY;
        }
    }
};

kif::Game readBack(const std::string& bytes, Format format) {
    const kif::ReadResult result = kif::readKif(bytes, format);
    if (const auto* error = std::get_if<kif::ReadError>(&result)) {
        ADD_FAILURE() << kif::messageOf(*error);
        return {};
    }
    return std::get<kif::Game>(result);
}

// Writes the game in both formats, reads it back and checks every step: the
// written moves are the record's first `writtenMoves`.
void expectRoundTrip(const kif::Game& game, const std::vector<kif::Position>& positions, size_t writtenMoves,
                     const std::string& name) {
    for (const Format format : FORMATS) {
        SCOPED_TRACE(name + (format == Format::Kif ? " (KIF)" : " (KIFU)"));
        const auto bytes = kif::writeKif(game, format);
        ASSERT_TRUE(bytes);
        const kif::Game back = readBack(*bytes, format);
        ASSERT_EQ(back.moves.size(), writtenMoves);
        const std::vector<kif::Position> replayed = kiftest::replay(back);
        for (size_t n = 0; n < replayed.size(); ++n)
            ASSERT_EQ(kiftest::sfenOf(replayed[n]), kiftest::sfenOf(positions[n])) << "after move " << n;
        for (size_t n = 0; n < writtenMoves; ++n) {
            const kif::Move &a = game.moves[n], &b = back.moves[n];
            EXPECT_EQ(b.lowerTimeBefore, a.lowerTimeBefore) << "move " << n + 1;
            EXPECT_EQ(b.lowerTimeAfter, a.lowerTimeAfter) << "move " << n + 1;
            EXPECT_EQ(b.upperTimeBefore, a.upperTimeBefore) << "move " << n + 1;
            EXPECT_EQ(b.upperTimeAfter, a.upperTimeAfter) << "move " << n + 1;
        }
        EXPECT_EQ(back.lowerPlayer, game.lowerPlayer);
        EXPECT_EQ(back.upperPlayer, game.upperPlayer);
        EXPECT_EQ(kif::winner(back), kif::winner(game));
    }
}

struct Start {
    std::string name;
    kiftest::SetUp setUp;
};

std::vector<Start> starts() {
    std::vector<Start> list = {
        {"even start", [](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, 0, false); }},
        {"even start, upper side first", [](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, 0, true); }},
        {"turned board",
         [](Form1& f, std::mt19937_64& random) {
             kiftest::startOnLadder(f, 0, false);
             kiftest::playRandomMoves(f, random, 30, false);
             f.REVERSE_Click();
         }},
    };
    // Each grade with the giver to move, and with the receiver.
    for (int level = -10; level <= 10; ++level)
        for (const bool upperFirst : {true, false})
            if (level != 0)
                list.push_back({"ladder " + std::to_string(level) + (upperFirst ? ", upper side first" : ""),
                                [level, upperFirst](Form1& f, std::mt19937_64&) {
                                    kiftest::startOnLadder(f, level, upperFirst);
                                }});
    return list;
}

TEST(KifRoundTrip, GamesFromEveryStartReadBackToTheSamePositionsAndClocks) {
    Seen seen;
    unsigned seed = 1;
    for (const Start& start : starts()) {
        for (const bool takeKing : {false, true}) {
            kiftest::PlayedGame played = kiftest::playFrom(start.setUp, seed++, 120, takeKing);
            kif::Game& game = played.game;
            game.lowerPlayer = "下の人";
            game.upperPlayer = "ｺﾝﾋﾟｭｰﾀ レベル3";
            if (!played.kingTaken) game.ending = kif::Ending::Interrupted;
            ASSERT_FALSE(takeKing && !played.kingTaken && game.moves.size() < 120) << "the game stopped early";
            seen.count(game);
            expectRoundTrip(game, played.positions, kiftest::movesWritten(game),
                            start.name + ", seed " + std::to_string(seed - 1));
        }
    }
    EXPECT_GT(seen.drops, 20);
    EXPECT_GT(seen.promotions, 20);
    EXPECT_GT(seen.captures, 100);
    EXPECT_GT(seen.recaptures, 20);
}

// Games entered with the mouse, by two people and against the computer: the
// record as a person's clicks and the computer's turn fill it.
TEST(KifRoundTrip, GamesPlayedWithTheMouseReadBack) {
    for (const bool againstComputer : {false, true}) {
        TestForm t;
        const std::vector<recordtest::Step> steps = recordtest::playGame(t, 31, 60, againstComputer);
        const kif::Game game = kiftest::gameOf(t.form, kif::evenStart());
        ASSERT_GE(game.moves.size(), 20u);
        for (const Format format : FORMATS) {
            const kif::Game back = readBack(*kif::writeKif(game, format), format);
            const std::vector<kif::Position> replayed = kiftest::replay(back);
            ASSERT_EQ(replayed.size(), game.moves.size() + 1);
            for (size_t n = 0; n < steps.size(); ++n) {
                if (steps[n].sfen.empty()) continue;  // the computer answered inside the same click
                EXPECT_EQ(kiftest::sfenOf(replayed[n]) + " " + std::to_string(n + 1), steps[n].sfen);
            }
            EXPECT_EQ(back.moves.back().lowerTimeAfter, static_cast<long>(steps.back().lowerTime));
            EXPECT_EQ(back.moves.back().upperTimeAfter, static_cast<long>(steps.back().upperTime));
        }
    }
}

// The longest record the game holds, ended by the computer found mated.
TEST(KifRoundTrip, FiveHundredMovesEndedByMate) {
    kiftest::PlayedGame played = kiftest::playFrom(
        [](Form1& f, std::mt19937_64&) { kiftest::startOnLadder(f, 0, false); }, 77, kif::MAX_MOVES, false);
    kif::Game& game = played.game;
    ASSERT_EQ(game.moves.size(), static_cast<size_t>(kif::MAX_MOVES));
    game.ending = kif::Ending::Mated;
    expectRoundTrip(game, played.positions, game.moves.size(), "500 moves");
    EXPECT_EQ(kif::winner(game), kif::Side::Upper) << "the lower side is to move and mated";
}

}  // namespace
