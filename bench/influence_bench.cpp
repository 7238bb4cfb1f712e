// Speed of the influence survey, which the computer runs once for every
// candidate move it weighs (hundreds per move). Middle-game positions: castles
// built, lines half open, a few promoted pieces and pieces in hand.

#include <benchmark/benchmark.h>

#include <memory>

#include "tests/support/TestForm.h"

namespace {

const char* const MIDDLE_GAMES[] = {
    "ln1g3nl/1r1s1kg2/p1pppsbpp/1p3pp2/7P1/2PPP1P2/PPBS1P2P/2GK1S1R1/LN1G3NL b - 1",
    "lnsgk2nl/1r2g1sb1/p1pppp1pp/1p4p2/9/2PP2P2/PPS1PP1PP/1B1RG1SK1/LN3G1NL b - 1",
    "ln5nl/1ks1gr3/1pg1p2pp/p1pp1ps2/9/P1PP1PS2/1PG1P2PP/1KS1G2R1/LN5NL b BPbp 1",
    "ln1g2snl/1ks2gr2/1ppppp1pp/p5p2/7P1/P1P1P1P2/1P1P1P2P/1BKSG2R1/LN1G2SNL w - 1",
    "l5knl/1r3sg2/p2pppbpp/2p3p2/1p5P1/2P1P1P2/PPBP1PN1P/2G3SR1/LN1GK4 b GS 1",
    "lr5nl/3g1kg2/2n1pps1p/p1pp2pp1/1p5P1/P1PP1P3/1PS1P1N1P/2GK1G1R1/LN5+bL w BSp 1",
    "ln3k1nl/1r1s2g2/p1pgppspp/3p2p2/1p1P3P1/2P1S1P2/PPS1PP2P/2G1G2R1/LN1K3NL b Bb 1",
    "l6nl/2gkgs1r1/1pnppp1p1/p1ps2p1p/9/P1PPP1P1P/1PSG1P1P1/1K1S3R1/LN1G3NL w Bb 1",
    "lnk3g1l/1s1g5/pppp1p1pp/4p1p2/2Pr5/3PP1P2/PPSG1P2P/2K2S3/LN1G3+bL b RBNpn 1",
    "l2gk2nl/1rs3g2/p1np1psp1/2p1p1p1p/1p5P1/2PPP1P1P/PPS2P3/2G1KS1R1/LN1G3NL w Bb 1",
    "ln1g1k1nl/1r4g2/p1sppsbpp/2p2pp2/1p5P1/2P1P1P2/PPBP1PS1P/2G1K2R1/LNS2G1NL b - 1",
    "l4k1nl/4g1gs1/p1n1pp1p1/2pp2p1p/1p1s5/2P1P1PP1/PPS2P2P/1KG1G4/LN5RL b RBbnp 1",
    "+R1s3knl/4g1gs1/p2pp1pp1/2p2p2p/9/2P1P1P2/PPSP1P2P/1KG4+b1/LN1G3NL b Blnp 1",
    "ln2g1knl/1r1s1gs2/p2ppp1pp/2p3p2/1p5P1/2P3P2/PP1PPPN1P/1BKSG2R1/LN1G2S1L w b 1",
};

void BM_InfluenceSurvey(benchmark::State& state) {
    constexpr int count = sizeof MIDDLE_GAMES / sizeof MIDDLE_GAMES[0];
    // One form per position, set up before timing; Form1 is too large for the stack.
    std::unique_ptr<TestForm> forms[count];
    for (int i = 0; i < count; ++i) {
        forms[i] = std::make_unique<TestForm>();
        forms[i]->position(MIDDLE_GAMES[i]);
    }
    int i = 0;
    for (auto _ : state) {
        Form1& form = forms[i]->form;
        form.勢力調査();
        benchmark::DoNotOptimize(form.lowerInfluence);
        benchmark::DoNotOptimize(form.upperInfluence);
        i = i + 1 == count ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_InfluenceSurvey);

}  // namespace

BENCHMARK_MAIN();
