// The search: forced wins are found and their first move really wins (told
// by a plain exhaustive look-ahead), a node-limited search is repeatable,
// a search stops when asked, and the ends of the game are answered right.

#include "engine/Search.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/Legality.h"
#include "engine/Notation.h"
#include "engine/TimeBudget.h"

namespace {

using engine::Rules;

constexpr std::uint64_t MATE_SEARCH_NODES = 2'000'000;
constexpr std::uint64_t REPEATABLE_NODES = 40'000;

engine::Position at(const char* sfen, Rules rules) {
    std::string error;
    return *engine::positionFromSfen(sfen, rules, error);
}

bool takesKing(const engine::Position& pos, engine::Move m) {
    return pos.rules() == Rules::Forward && engine::kindOf(pos.capturedBy(m)) == engine::KING;
}

bool forcesWin(engine::Position& pos, int ownMoves);

// After `m`, every answer of the other side leaves a win within the moves left.
bool winsWith(engine::Position& pos, engine::Move m, int ownMoves) {
    if (takesKing(pos, m)) return true;
    pos.makeMove(m);
    engine::MoveList replies;
    engine::generateLegalMoves(pos, replies);
    bool won = true;  // a side without a move has lost, in both rule sets
    for (const engine::Move reply : replies) {
        if (takesKing(pos, reply) || ownMoves == 1) {
            won = false;
            break;
        }
        pos.makeMove(reply);
        won = forcesWin(pos, ownMoves - 1);
        pos.unmakeMove(reply);
        if (!won) break;
    }
    pos.unmakeMove(m);
    return won;
}

bool forcesWin(engine::Position& pos, int ownMoves) {
    if (ownMoves <= 0) return false;
    engine::MoveList list;
    engine::generateLegalMoves(pos, list);
    for (const engine::Move m : list)
        if (winsWith(pos, m, ownMoves)) return true;
    return false;
}

struct MateCase {
    const char* sfen;
    Rules rules;
    int plies;     // until mate, or until the king is taken
    int ownMoves;  // of the winner, the last one mating or taking the king
};

constexpr MateCase MATES[] = {
    {"4k4/9/4P4/9/9/9/9/9/4K4 b G 1", Rules::Standard, 1, 1},
    {"9/4k4/2R4P1/9/5S3/9/9/9/9 b RGN 1", Rules::Standard, 3, 2},
    {"9/5S2k/1S7/4N4/9/9/9/9/6K2 b RS 1", Rules::Forward, 2, 2},
    {"3k5/1B3bR2/9/9/9/9/9/9/7K1 b RG 1", Rules::Forward, 4, 3},
};

TEST(Search, FindsForcedWinsAtTheirDistance) {
    engine::Searcher searcher;
    std::atomic<bool> stop{false};
    for (const auto& c : MATES) {
        engine::Position pos = at(c.sfen, c.rules);
        const auto result = searcher.search(pos, {.nodes = MATE_SEARCH_NODES}, stop);
        EXPECT_EQ(engine::matePlies(result.score), c.plies) << c.sfen;
        EXPECT_TRUE(winsWith(pos, result.best, c.ownMoves)) << c.sfen << ": " << engine::usiOf(result.best);
        EXPECT_FALSE(forcesWin(pos, c.ownMoves - 1)) << c.sfen << " has a shorter win";
    }
}

TEST(Search, NodeLimitedSearchGivesTheSameAnswerEveryTime) {
    constexpr const char* SFEN = "ln1g3nl/1r1sk1gb1/p1pppp1pp/6p2/1p5P1/2P6/PPBPPPP1P/5S1R1/LNSGKG1NL b Pp 1";
    std::atomic<bool> stop{false};
    for (const Rules rules : {Rules::Forward, Rules::Standard}) {
        const engine::Position pos = at(SFEN, rules);
        engine::Searcher first, second;
        const auto a = first.search(pos, {.nodes = REPEATABLE_NODES}, stop);
        const auto b = second.search(pos, {.nodes = REPEATABLE_NODES}, stop);
        const auto c = first.search(pos, {.nodes = REPEATABLE_NODES}, stop);
        EXPECT_EQ(a.nodes, REPEATABLE_NODES);
        EXPECT_EQ(a.pv, b.pv);
        EXPECT_EQ(a.pv, c.pv);
        EXPECT_EQ(a.score, c.score);
    }
}

TEST(Search, StopsWhenToldFromAnotherThreadWithALegalMove) {
    engine::Position pos = at(engine::START_SFEN, Rules::Forward);
    engine::Searcher searcher;
    std::atomic<bool> stop{false};
    std::atomic<int> depthReached{0};
    engine::SearchResult result;
    std::thread thinker([&] {
        result = searcher.search(pos, {.infinite = true}, stop,
                                 [&](const engine::SearchInfo& info) { depthReached = info.depth; });
    });
    while (depthReached < 2) std::this_thread::yield();
    stop = true;
    thinker.join();
    EXPECT_TRUE(engine::isLegalMove(pos, result.best));
    EXPECT_GE(result.depth, 2);
}

TEST(Search, AnswersTheEndsOfAGame) {
    std::atomic<bool> stop{false};
    engine::Searcher searcher;
    // Under the forward rule a king within reach is taken at once.
    engine::Position open = at("4k4/4G4/4P4/9/9/9/9/9/4K4 b - 1", Rules::Forward);
    EXPECT_EQ(engine::usiOf(searcher.search(open, {.depth = 3}, stop).best), "5b5a");
    // Mated under standard rules: nothing to play.
    engine::Position mated = at("4k4/4G4/4P4/9/9/9/9/9/4K4 w - 1", Rules::Standard);
    EXPECT_EQ(searcher.search(mated, {.depth = 3}, stop).best, engine::NO_MOVE);
}

struct BudgetCase {
    engine::Limits limits;
    int minSoft, maxHard;
};

TEST(TimeBudget, StaysWithinWhatTheClockAllows) {
    const BudgetCase CASES[] = {
        {{.moveTimeMs = 500}, 100, 500},      {{.moveTimeMs = 3000}, 1000, 3000},
        {{.timeLeftMs = 60000}, 1000, 10000}, {{.timeLeftMs = 0, .byoyomiMs = 3000}, 2000, 3000},
        {{.timeLeftMs = 100}, 1, 100},        {{.moveTimeMs = 3000, .timeLeftMs = 600}, 1, 600},
    };
    for (const auto& c : CASES) {
        const auto b = engine::budgetFor(c.limits);
        EXPECT_GE(b.softMs, c.minSoft);
        EXPECT_LE(b.softMs, b.hardMs);
        EXPECT_LE(b.hardMs, c.maxHard);
    }
    EXPECT_EQ(engine::budgetFor({.infinite = true}).hardMs, 0);
    EXPECT_EQ(engine::budgetFor({.nodes = 1000}).hardMs, 0);
}

}  // namespace
