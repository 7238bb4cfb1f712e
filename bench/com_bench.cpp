// How long the computer takes for one move at each level, on a fixed set of
// middle-game positions, and how that compares with the floor a one-ply search
// cannot go below: one influence survey for every candidate it weighs.
//
// The positions come from seeded random legal play from the start position
// (the same every run), kept where both kings stand and neither is attacked.
// Google Benchmark times the turn per level; a summary after it gives the
// median and worst time per move and the ratio
//     time of the turn / (candidates x time of one survey).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "game/PieceCode.h"
#include "platform/Sfen.h"
#include "tests/support/TestForm.h"

namespace {

constexpr int POSITION_COUNT = 60;
constexpr const char* START = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// A small generator of our own, so that every platform plays the same games.
struct Random {
    std::uint64_t state;
    int below(int n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
    }
};

struct Ply {
    int fromX, fromY, toX, toY, code;
};

// Every move the rules allow the side with this sign, drops with their stand source.
std::vector<Ply> legalMoves(Form1& f, int sign) {
    std::vector<Ply> moves;
    f.調査_2歩フラグ設定();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = f.board[x][y];
            if (code * sign < 10) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (f.移動チェック(x, y, tx, ty, code) == Form1::ON) moves.push_back({x, y, tx, ty, code});
        }
    const int* hand = sign > 0 ? f.upperHand : f.lowerHand;
    for (int k = 1; k <= 7; ++k) {
        if (hand[k] <= 0) continue;
        const int code = sign * piece::ofHandIndex(k);
        const int standX = sign > 0 ? Form1::UPPER_STAND_X : Form1::LOWER_STAND_X;
        const int standY = sign > 0 ? k : piece::lowerStandRow(k);
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty)
                if (f.移動チェック(standX, standY, tx, ty, code) == Form1::ON)
                    moves.push_back({standX, standY, tx, ty, code});
    }
    return moves;
}

bool kingsStandUnattacked(Form1& f) {
    bool lower = false, upper = false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            lower |= f.board[x][y] == Form1::LOWER_KING;
            upper |= f.board[x][y] == Form1::UPPER_KING;
        }
    if (!lower || !upper) return false;
    f.勢力調査();
    return f.upperInfluence[f.lowerKingX][f.lowerKingY] == 0 && f.lowerInfluence[f.upperKingX][f.upperKingY] == 0;
}

std::vector<std::string> middleGames() {
    std::vector<std::string> positions;
    Random random{20240611};
    while (static_cast<int>(positions.size()) < POSITION_COUNT) {
        auto t = std::make_unique<TestForm>();
        Form1& f = t->form;
        t->position(START);
        f.lowerSide = f.SENTE;
        f.upperSide = f.GOTE;
        const int plies = 30 + random.below(40);
        int sign = -1;  // the lower side moves first
        for (int ply = 0; ply < plies && f.winner == 0; ++ply, sign = -sign) {
            const std::vector<Ply> moves = legalMoves(f, sign);
            if (moves.empty()) break;
            const Ply m = moves[random.below(static_cast<int>(moves.size()))];
            int code = m.code;
            if (f.調査_駒成(m.fromX, m.fromY, m.toX, m.toY, code) == Form1::ON &&
                (f.移動後チェック(m.toY, code) == Form1::OFF || random.below(2) == 0))
                code = f.promotedPiece;
            f.駒移動(m.fromX, m.fromY, m.toX, m.toY, code);
            t->takeTrace();
        }
        if (f.winner == 0 && kingsStandUnattacked(f)) positions.push_back(sfen::of(f));
    }
    return positions;
}

const std::vector<std::string>& positions() {
    static const std::vector<std::string> p = middleGames();
    return p;
}

// A form with a position on it, the computer to move.
struct Game {
    std::unique_ptr<TestForm> t = std::make_unique<TestForm>();
    int candidates = 0;

    void set(const std::string& sfen, int level) {
        t->position(sfen);
        Form1& f = t->form;
        f.gameMode = Form1::MODE_COM;
        f.lowerSide = f.SENTE;
        f.upperSide = f.GOTE;
        f.turn = f.upperSide;
        f.comLevel = level;
        f.winner = 0;
        f.recordIndex = f.moveNumber = 0;
        t->platform.candidateListener = [this](const ScoredCandidate&) { ++candidates; };
        candidates = 0;
        t->takeTrace();
    }
};

void BM_ComTurn(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    Game game;
    size_t i = 0;
    long candidates = 0;
    for (auto _ : state) {
        state.PauseTiming();
        game.set(positions()[i], level);
        i = (i + 1) % positions().size();
        state.ResumeTiming();
        game.t->form.com_ban();
        candidates += game.candidates;
    }
    state.counters["candidates"] = benchmark::Counter(static_cast<double>(candidates) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ComTurn)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// Time this thread has spent on the processor, so that other programs on a
// busy machine do not count.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The fastest of several batches: the survey's own cost, without the noise
// of other work on the machine.
double surveySeconds(Game& game) {
    constexpr int batches = 20, repeats = 100;
    double fastest = 1e9;
    for (int b = 0; b < batches; ++b) {
        const double start = cpuSeconds();
        for (int r = 0; r < repeats; ++r) {
            game.t->form.勢力調査();
            benchmark::DoNotOptimize(game.t->form.upperInfluence);
        }
        fastest = std::min(fastest, (cpuSeconds() - start) / repeats);
    }
    return fastest;
}

// The fastest of several runs of the computer's turn on this position.
double turnSeconds(Game& game, const std::string& sfen, int level) {
    double fastest = 1e9;
    for (int run = 0; run < 5; ++run) {
        game.set(sfen, level);
        const double start = cpuSeconds();
        game.t->form.com_ban();
        fastest = std::min(fastest, cpuSeconds() - start);
    }
    return fastest;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void summary() {
    struct Level {
        std::vector<double> times, ratios, candidates;
        double total = 0, floor = 0;
    } levels[4];
    std::vector<double> surveys;
    Game game;
    for (const std::string& sfen : positions()) {
        game.set(sfen, 3);
        const double survey = surveySeconds(game);
        surveys.push_back(survey);
        for (int level = 1; level <= 3; ++level) {
            const double time = turnSeconds(game, sfen, level);
            Level& l = levels[level];
            l.times.push_back(time);
            l.ratios.push_back(time / (game.candidates * survey));
            l.candidates.push_back(game.candidates);
            l.total += time;
            l.floor += game.candidates * survey;
        }
    }
    std::printf("\nThe computer's turn on %zu middle-game positions (one survey: median %.2f us)\n", positions().size(),
                1e6 * median(surveys));
    std::printf("level  median ms  worst ms  candidates (median)  ratio (median)  ratio (all moves)\n");
    for (int level = 1; level <= 3; ++level) {
        const Level& l = levels[level];
        std::printf("%5d  %9.3f  %8.3f  %19.0f  %14.2f  %17.2f\n", level, 1e3 * median(l.times),
                    1e3 * *std::max_element(l.times.begin(), l.times.end()), median(l.candidates), median(l.ratios),
                    l.total / l.floor);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    summary();
}
