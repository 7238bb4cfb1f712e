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
    const char* name;
    std::function<void(TestForm&, std::mt19937&)> setUp;
};

void handicap(TestForm& t, int level, bool giverFirst) {
    Form1& f = t.form;
    for (int i = 0; i < (level < 0 ? -level : level); ++i) level > 0 ? f.LBEL_UP_Click() : f.LEBEL_DOWN_Click();
    f.START_Click();
    const bool upperGives = level > 0;
    if (giverFirst == upperGives) f.turn = f.upperSide;
}

std::vector<Start> starts() {
    std::vector<Start> list = {
        {"even start", [](TestForm& t, std::mt19937&) { t.form.START_Click(); }},
        {"even start, upper side first",
         [](TestForm& t, std::mt19937&) {
             t.form.START_Click();
             t.form.turn = t.form.upperSide;
         }},
        {"turned board",
         [](TestForm& t, std::mt19937& random) {
             t.form.START_Click();
             kiftest::playRandomMoves(t.form, random, 30, false);
             t.form.REVERSE_Click();
         }},
    };
    for (int level = -10; level <= 10; ++level)
        for (const bool giverFirst : {true, false})
            if (level != 0)
                list.push_back(
                    {"", [level, giverFirst](TestForm& t, std::mt19937&) { handicap(t, level, giverFirst); }});
    return list;
}

TEST(KifRoundTrip, GamesFromEveryStartReadBackToTheSamePositionsAndClocks) {
    Seen seen;
    unsigned seed = 1;
    for (const Start& start : starts()) {
        for (const bool takeKing : {false, true}) {
            TestForm t;
            Form1& f = t.form;
            f.Form_Load();
            std::mt19937 random(seed++);
            start.setUp(t, random);
            const kif::Position first = kiftest::positionOf(f);
            std::vector<kif::Position> positions{first};
            for (const kif::Position& p : kiftest::playRandomMoves(f, random, 120, takeKing)) positions.push_back(p);
            kif::Game game = kiftest::gameOf(f, first);
            game.lowerPlayer = "下の人";
            game.upperPlayer = "ｺﾝﾋﾟｭｰﾀ レベル3";
            const bool kingTaken = f.winner != 0;
            if (!kingTaken) game.ending = kif::Ending::Interrupted;
            ASSERT_FALSE(takeKing && !kingTaken && game.moves.size() < 120) << "the game stopped early";
            // The capture and the move that allowed it are not written.
            const size_t written = kingTaken ? game.moves.size() - 2 : game.moves.size();
            seen.count(game);
            expectRoundTrip(game, positions, written, std::string(start.name) + " seed " + std::to_string(seed - 1));
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
            for (size_t n = 0; n < steps.size(); ++n)
                if (!steps[n].sfen.empty())
                    EXPECT_EQ(kiftest::sfenOf(replayed[n]) + " " + std::to_string(n + 1), steps[n].sfen);
            EXPECT_EQ(back.moves.back().lowerTimeAfter, static_cast<long>(steps.back().lowerTime));
            EXPECT_EQ(back.moves.back().upperTimeAfter, static_cast<long>(steps.back().upperTime));
        }
    }
}

// The longest record the game holds, ended by the computer found mated.
TEST(KifRoundTrip, FiveHundredMovesEndedByMate) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.START_Click();
    std::mt19937 random(77);
    std::vector<kif::Position> positions{kiftest::positionOf(f)};
    for (const kif::Position& p : kiftest::playRandomMoves(f, random, kif::MAX_MOVES, false)) positions.push_back(p);
    kif::Game game = kiftest::gameOf(f, positions.front());
    ASSERT_EQ(game.moves.size(), static_cast<size_t>(kif::MAX_MOVES));
    game.ending = kif::Ending::Mated;
    expectRoundTrip(game, positions, game.moves.size(), "500 moves");
    EXPECT_EQ(kif::winner(game), kif::Side::Upper) << "the lower side is to move and mated";
}

}  // namespace
