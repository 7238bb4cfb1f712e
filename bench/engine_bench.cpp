// Speed of the engine: perft from the start position in both rule sets
// (move generation and make/unmake), and the search's nodes per second on
// middle-game positions with a fixed node budget, as levels 4 and 5 use it.

#include <benchmark/benchmark.h>

#include <atomic>

#include "engine/Notation.h"
#include "engine/Perft.h"
#include "engine/Search.h"

namespace {

constexpr int PERFT_DEPTH = 4;
constexpr std::uint64_t SEARCH_NODES = 500'000;

const char* const MIDDLE_GAMES[] = {
    "ln1g3nl/1r1s1kg2/p1pppsbpp/1p3pp2/7P1/2PPP1P2/PPBS1P2P/2GK1S1R1/LN1G3NL b - 1",
    "ln5nl/1ks1gr3/1pg1p2pp/p1pp1ps2/9/P1PP1PS2/1PG1P2PP/1KS1G2R1/LN5NL b BPbp 1",
    "lr5nl/3g1kg2/2n1pps1p/p1pp2pp1/1p5P1/P1PP1P3/1PS1P1N1P/2GK1G1R1/LN5+bL w BSp 1",
    "l4k1nl/4g1gs1/p1n1pp1p1/2pp2p1p/1p1s5/2P1P1PP1/PPS2P2P/1KG1G4/LN5RL b RBbnp 1",
};

engine::Position startPosition(engine::Rules rules) {
    std::string error;
    return *engine::positionFromSfen(engine::START_SFEN, rules, error);
}

void perftBench(benchmark::State& state, engine::Rules rules) {
    engine::Position pos = startPosition(rules);
    std::uint64_t leaves = 0;
    for (auto _ : state) leaves += engine::perft(pos, PERFT_DEPTH);
    state.counters["leaves/s"] = benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
}

void BM_PerftForwardRule(benchmark::State& state) { perftBench(state, engine::Rules::Forward); }
void BM_PerftStandard(benchmark::State& state) { perftBench(state, engine::Rules::Standard); }

void searchBench(benchmark::State& state, engine::Rules rules) {
    engine::Searcher searcher;
    std::atomic<bool> stop{false};
    std::uint64_t nodes = 0;
    int i = 0;
    for (auto _ : state) {
        std::string error;
        const auto pos = engine::positionFromSfen(MIDDLE_GAMES[i++ % std::size(MIDDLE_GAMES)], rules, error);
        nodes += searcher.search(*pos, {.nodes = SEARCH_NODES}, stop).nodes;
    }
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_SearchForwardRule(benchmark::State& state) { searchBench(state, engine::Rules::Forward); }
void BM_SearchStandard(benchmark::State& state) { searchBench(state, engine::Rules::Standard); }

}  // namespace

BENCHMARK(BM_PerftForwardRule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerftStandard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchForwardRule)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(BM_SearchStandard)->Unit(benchmark::kMillisecond)->Iterations(8);

BENCHMARK_MAIN();
