// mirelo-match: plays two engines against each other over pipes and reports
// the score and the Elo difference. See `mirelo-match --help`.

#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "match/Elo.h"
#include "match/GnuShogiPlayer.h"
#include "match/Openings.h"
#include "match/Referee.h"
#include "match/UsiPlayer.h"

namespace {

constexpr const char* USAGE = R"(usage: mirelo-match [options]
  --first CMD            the first engine's command line (words split at spaces)
  --second CMD           the second engine's command line
  --first-option N=V     a USI option for the first engine (repeatable); --second-option likewise
  --first-go ARGS        words after 'go' for each move, e.g. "nodes 200000" or "movetime 500";
                         none lets the engine choose (its level); --second-go likewise
  --second-gnushogi      the second engine is GNU Shogi (its own protocol); its --second-go
                         may be "movetime MS" or "depth D"
  --games N              games to play, an even number (default 20)
  --rules forward|standard   (default forward)
  --opening-plies K      random moves from the start before the engines play (default 6)
  --max-plies M          a game this long is a draw (default 400)
  --seed S               seed of the openings (default 1)
)";

struct Side {
    std::string command;
    std::vector<std::pair<std::string, std::string>> options;
    std::string go;
    bool gnushogi = false;
};

struct Settings {
    Side first, second;
    int games = 20;
    match::GameRules rules{engine::Rules::Forward, 400};
    int openingPlies = 6;
    std::uint32_t seed = 1;
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

Settings parse(int argc, char** argv) {
    Settings s;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
            return argv[++i];
        };
        const auto option = [&](Side& side) {
            const std::string v = value();
            const auto eq = v.find('=');
            if (eq == std::string::npos) throw std::invalid_argument(arg + " needs NAME=VALUE");
            side.options.emplace_back(v.substr(0, eq), v.substr(eq + 1));
        };
        if (arg == "--first")
            s.first.command = value();
        else if (arg == "--second")
            s.second.command = value();
        else if (arg == "--first-option")
            option(s.first);
        else if (arg == "--second-option")
            option(s.second);
        else if (arg == "--first-go")
            s.first.go = value();
        else if (arg == "--second-go")
            s.second.go = value();
        else if (arg == "--second-gnushogi")
            s.second.gnushogi = true;
        else if (arg == "--games")
            s.games = std::stoi(value());
        else if (arg == "--opening-plies")
            s.openingPlies = std::stoi(value());
        else if (arg == "--max-plies")
            s.rules.maxPlies = std::stoi(value());
        else if (arg == "--seed")
            s.seed = static_cast<std::uint32_t>(std::stoul(value()));
        else if (arg == "--rules") {
            const std::string r = value();
            if (r != "forward" && r != "standard") throw std::invalid_argument("--rules is forward or standard");
            s.rules.rules = r == "forward" ? engine::Rules::Forward : engine::Rules::Standard;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << USAGE;
            std::exit(0);
        } else {
            throw std::invalid_argument("unknown argument " + arg);
        }
    }
    if (s.first.command.empty() || s.second.command.empty())
        throw std::invalid_argument("--first and --second are needed");
    if (s.games < 2 || s.games % 2 != 0)
        throw std::invalid_argument("--games must be even: each opening is played twice");
    return s;
}

std::unique_ptr<match::Player> makePlayer(const std::string& name, const Side& side) {
    if (!side.gnushogi) return std::make_unique<match::UsiPlayer>(name, words(side.command), side.options, side.go);
    match::GnuShogiLimit limit;
    const auto w = words(side.go);
    if (w.size() == 2 && w[0] == "movetime")
        limit.moveTimeMs = std::stoi(w[1]);
    else if (w.size() == 2 && w[0] == "depth")
        limit.depth = std::stoi(w[1]);
    else if (!w.empty())
        throw std::invalid_argument("GNU Shogi takes 'movetime MS' or 'depth D'");
    return std::make_unique<match::GnuShogiPlayer>(name, words(side.command), limit);
}

const char* outcomeText(match::Outcome forFirst) {
    return forFirst == match::Outcome::Win ? "1-0" : forFirst == match::Outcome::Loss ? "0-1" : "1/2";
}

match::Outcome flipped(match::Outcome o) {
    return o == match::Outcome::Win ? match::Outcome::Loss : o == match::Outcome::Loss ? match::Outcome::Win : o;
}

int run(const Settings& s) {
    auto first = makePlayer("first", s.first);
    auto second = makePlayer("second", s.second);
    const auto openings = match::randomOpenings(s.games / 2, s.openingPlies, s.rules.rules, s.seed);
    int wins = 0, losses = 0, draws = 0;
    double seconds[2] = {0, 0};
    int moves[2] = {0, 0};
    for (int g = 0; g < s.games; ++g) {
        // Each opening twice, the first engine taking Black, then White.
        const bool firstIsBlack = g % 2 == 0;
        const auto result = firstIsBlack ? match::playGame(*first, *second, openings[g / 2], s.rules)
                                         : match::playGame(*second, *first, openings[g / 2], s.rules);
        const match::Outcome forFirst = firstIsBlack ? result.forBlack : flipped(result.forBlack);
        wins += forFirst == match::Outcome::Win;
        losses += forFirst == match::Outcome::Loss;
        draws += forFirst == match::Outcome::Draw;
        const int firstColor = firstIsBlack ? engine::BLACK : engine::WHITE;
        seconds[0] += result.seconds[firstColor];
        seconds[1] += result.seconds[1 - firstColor];
        moves[0] += result.moves[firstColor];
        moves[1] += result.moves[1 - firstColor];
        std::printf("game %d: first as %s %s (%s, %d plies)  score %d-%d-%d\n", g + 1, firstIsBlack ? "black" : "white",
                    outcomeText(forFirst), result.reason.c_str(), result.plies, wins, losses, draws);
        std::fflush(stdout);
    }
    const auto elo = match::eloOf(wins, losses, draws);
    const double score = (wins + 0.5 * draws) / s.games;
    std::printf("first: %d wins, %d losses, %d draws of %d games: %.1f %%\n", wins, losses, draws, s.games,
                100 * score);
    std::printf("Elo difference: %+.0f, 95 %% interval %+.0f to %+.0f\n", elo.difference, elo.low, elo.high);
    std::printf("thinking per move: first %.3f s, second %.3f s\n", moves[0] ? seconds[0] / moves[0] : 0.0,
                moves[1] ? seconds[1] / moves[1] : 0.0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(parse(argc, argv));
    } catch (const std::exception& e) {
        std::cerr << "mirelo-match: " << e.what() << '\n' << USAGE;
        return 2;
    }
}
