#include "usi/UsiSession.h"

#include <algorithm>
#include <chrono>
#include <exception>

#include "engine/Legality.h"
#include "engine/Notation.h"
#include "engine/Perft.h"
#include "usi/ClassicLevels.h"

namespace usi {
namespace {

constexpr const char* ENGINE_NAME = "Mirelo";
constexpr const char* ENGINE_AUTHOR = "the Mirelo developers";
constexpr int LOWEST_LEVEL = 1;
constexpr int HIGHEST_LEVEL = 5;
constexpr int MIN_HASH_MB = 1;
constexpr int MAX_HASH_MB = 1024;
constexpr auto STOP_POLL = std::chrono::milliseconds(2);
constexpr int MS_PER_SECOND = 1000;

std::string lowercase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The rest of the stream up to the word `until` (not consumed past it), joined by spaces.
std::string wordsUntil(std::istringstream& args, const std::string& until) {
    std::string word, text;
    while (args >> word && word != until) text += (text.empty() ? "" : " ") + word;
    return text;
}

int parseInt(const std::string& text) {
    std::size_t used = 0;
    const long long v = std::stoll(text, &used);
    if (used != text.size()) throw std::invalid_argument("not a number: " + text);
    return static_cast<int>(std::clamp<long long>(v, 0, std::numeric_limits<int>::max()));
}

}  // namespace

UsiSession::UsiSession(std::istream& in, std::ostream& out)
    : in_(in), out_(out), level_(HIGHEST_LEVEL), positionSfen_(engine::START_SFEN) {}

UsiSession::~UsiSession() { stopSearch(); }

void UsiSession::run() {
    for (std::string line; std::getline(in_, line);)
        if (!handle(line)) return;
    stopSearch();
}

bool UsiSession::handle(const std::string& rawLine) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream args(line);
    std::string command;
    if (!(args >> command)) return true;  // blank lines are allowed
    try {
        if (command == "usi")
            identify();
        else if (command == "isready")
            send("readyok");
        else if (command == "setoption")
            setOption(args);
        else if (command == "position")
            setPosition(args);
        else if (command == "go")
            go(args);
        // Pondering is not offered, so `ponderhit` too asks for the answer at once.
        else if (command == "stop" || command == "ponderhit" || command == "usinewgame" || command == "gameover")
            stopSearch();
        else if (command == "quit") {
            stopSearch();
            return false;
        } else {
            send("info string unknown command: " + command);
        }
    } catch (const std::exception& e) {
        send(std::string("info string cannot do '") + line + "': " + e.what());
    }
    return true;
}

void UsiSession::identify() {
    send(std::string("id name ") + ENGINE_NAME);
    send(std::string("id author ") + ENGINE_AUTHOR);
    send("option name ForwardRule type check default true");
    send("option name Level type spin default " + std::to_string(HIGHEST_LEVEL) + " min " +
         std::to_string(LOWEST_LEVEL) + " max " + std::to_string(HIGHEST_LEVEL));
    send("option name USI_Hash type spin default " + std::to_string(engine::TranspositionTable::DEFAULT_MEGABYTES) +
         " min " + std::to_string(MIN_HASH_MB) + " max " + std::to_string(MAX_HASH_MB));
    send("usiok");
}

void UsiSession::setOption(std::istringstream& args) {
    std::string word;
    if (!(args >> word) || word != "name") throw std::invalid_argument("expected 'name'");
    const std::string name = wordsUntil(args, "value");
    std::string value;
    std::getline(args >> std::ws, value);
    if (name == "ForwardRule") {
        const std::string v = lowercase(value);
        if (v != "true" && v != "false") throw std::invalid_argument("ForwardRule is true or false");
        stopSearch();
        forwardRule_ = v == "true";
    } else if (name == "Level") {
        level_ = std::clamp(parseInt(value), LOWEST_LEVEL, HIGHEST_LEVEL);
    } else if (name == "USI_Hash" || name == "Hash") {
        stopSearch();
        searcher_.setHashMegabytes(static_cast<std::size_t>(std::clamp(parseInt(value), MIN_HASH_MB, MAX_HASH_MB)));
    }
    // Other options (USI_Ponder and the like) mean nothing here.
}

void UsiSession::setPosition(std::istringstream& args) {
    std::string kind;
    args >> kind;
    std::string sfen;
    if (kind == "startpos") {
        sfen = engine::START_SFEN;
        std::string word;
        if (args >> word && word != "moves") throw std::invalid_argument("expected 'moves'");
    } else if (kind == "sfen") {
        sfen = wordsUntil(args, "moves");
    } else {
        throw std::invalid_argument("expected startpos or sfen");
    }
    std::vector<std::string> moves;
    for (std::string m; args >> m;) moves.push_back(m);
    // Checked now, so that a bad position is reported where it was sent.
    const std::string previousSfen = positionSfen_;
    std::vector<std::string> previousMoves = positionMoves_;
    positionSfen_ = sfen;
    positionMoves_ = moves;
    if (!currentPosition()) {
        positionSfen_ = previousSfen;
        positionMoves_ = std::move(previousMoves);
    }
}

std::optional<engine::Position> UsiSession::currentPosition() {
    std::string error;
    const auto rules = forwardRule_ ? engine::Rules::Forward : engine::Rules::Standard;
    auto pos = engine::positionFromSfen(positionSfen_, rules, error);
    if (!pos) {
        send("info string bad position: " + error);
        return std::nullopt;
    }
    for (const std::string& text : positionMoves_) {
        const engine::Move m = engine::moveFromUsi(*pos, text);
        if (m == engine::NO_MOVE || !engine::isLegalMove(*pos, m)) {
            send("info string illegal move " + text + " in " + engine::sfenOf(*pos));
            return std::nullopt;
        }
        pos->makeMove(m);
    }
    return pos;
}

void UsiSession::go(std::istringstream& args) {
    engine::Limits limits;
    bool explicitLimit = false;
    int perftDepth = 0;
    int blackTime = -1, whiteTime = -1, blackIncrement = 0, whiteIncrement = 0;
    for (std::string word; args >> word;) {
        std::string value;
        const auto number = [&] {
            if (!(args >> value)) throw std::invalid_argument("'" + word + "' needs a number");
            return parseInt(value);
        };
        if (word == "btime")
            blackTime = number();
        else if (word == "wtime")
            whiteTime = number();
        else if (word == "binc")
            blackIncrement = number();
        else if (word == "winc")
            whiteIncrement = number();
        else if (word == "byoyomi")
            limits.byoyomiMs = number();
        else if (word == "movetime")
            limits.moveTimeMs = number(), explicitLimit = true;
        else if (word == "depth")
            limits.depth = number(), explicitLimit = true;
        else if (word == "nodes")
            limits.nodes = static_cast<std::uint64_t>(number()), explicitLimit = true;
        else if (word == "infinite" || word == "ponder")
            limits.infinite = true, explicitLimit = true;
        else if (word == "perft")
            perftDepth = number();
        else if (word == "mate")
            number();  // answered by an ordinary search
    }
    if (thinker_.joinable()) {
        // A GUI waits for the answer before the next `go`; a script may not,
        // so a bounded search is let finish first.
        if (thinkingUntilStopped_ && !stop_.load()) throw std::logic_error("already thinking until 'stop'");
        thinker_.join();
    }
    auto pos = currentPosition();
    if (!pos) return;
    stop_ = false;
    if (perftDepth > 0) {
        thinker_ = std::thread(&UsiSession::perft, this, *pos, perftDepth);
        return;
    }
    thinkingUntilStopped_ = limits.infinite;
    const bool black = pos->sideToMove() == engine::BLACK;
    limits.timeLeftMs = black ? blackTime : whiteTime;
    limits.incrementMs = black ? blackIncrement : whiteIncrement;
    if (limits.timeLeftMs < 0 && limits.byoyomiMs > 0) limits.timeLeftMs = 0;
    // The level's time per move applies unless the GUI asked for something exact.
    if (!explicitLimit) limits.moveTimeMs = engine::limitsOfLevel(level_).moveTimeMs;
    thinker_ = std::thread(&UsiSession::think, this, std::move(*pos), limits, level_);
}

void UsiSession::think(engine::Position pos, engine::Limits limits, int level) {
    engine::Move best = engine::NO_MOVE;
    const bool classic = level <= LAST_CLASSIC_LEVEL;
    if (classic && pos.rules() == engine::Rules::Forward) {
        best = classicMove(pos, level);
    } else {
        if (classic) send("info string levels 1-3 play only the forward rule; level 4 searches instead");
        const auto result = searcher_.search(pos, limits, stop_, [this](const engine::SearchInfo& i) { sendInfo(i); });
        best = result.best;
    }
    // Under `go infinite` the answer waits for `stop`.
    while (limits.infinite && !stop_.load()) std::this_thread::sleep_for(STOP_POLL);
    send(best == engine::NO_MOVE ? "bestmove resign" : "bestmove " + engine::usiOf(best));
}

void UsiSession::perft(engine::Position pos, int depth) {
    std::uint64_t total = 0;
    for (const auto& [move, count] : engine::perftByMove(pos, depth)) {
        send(engine::usiOf(move) + ": " + std::to_string(count));
        total += count;
    }
    send("total: " + std::to_string(total));
}

void UsiSession::stopSearch() {
    stop_ = true;
    if (thinker_.joinable()) thinker_.join();
}

void UsiSession::sendInfo(const engine::SearchInfo& info) {
    std::ostringstream line;
    line << "info depth " << info.depth << " score ";
    if (const int mate = engine::matePlies(info.score); mate != 0)
        line << "mate " << mate;
    else
        line << "cp " << info.score;
    const std::int64_t ms = std::max<std::int64_t>(1, info.elapsedMs);
    line << " nodes " << info.nodes << " nps " << info.nodes * MS_PER_SECOND / static_cast<std::uint64_t>(ms)
         << " time " << info.elapsedMs << " pv";
    for (const engine::Move m : info.pv) line << ' ' << engine::usiOf(m);
    send(line.str());
}

void UsiSession::send(const std::string& line) {
    std::lock_guard lock(outLock_);
    out_ << line << '\n' << std::flush;
}

}  // namespace usi
