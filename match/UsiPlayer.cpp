#include "match/UsiPlayer.h"

#include <sstream>
#include <stdexcept>

namespace match {
namespace {

constexpr std::chrono::milliseconds HANDSHAKE_TIMEOUT{10000};

}  // namespace

UsiPlayer::UsiPlayer(std::string name, const std::vector<std::string>& command,
                     const std::vector<std::pair<std::string, std::string>>& options, std::string goArguments)
    : name_(std::move(name)), engine_(command), goArguments_(std::move(goArguments)) {
    engine_.writeLine("usi");
    if (!awaitLine("usiok", HANDSHAKE_TIMEOUT)) throw std::runtime_error(name_ + " did not answer 'usi'");
    for (const auto& [option, value] : options) engine_.writeLine("setoption name " + option + " value " + value);
    engine_.writeLine("isready");
    if (!awaitLine("readyok", HANDSHAKE_TIMEOUT)) throw std::runtime_error(name_ + " did not answer 'isready'");
}

UsiPlayer::~UsiPlayer() {
    try {
        engine_.writeLine("quit");
    } catch (const std::exception&) {
        // Already gone: nothing to tell it.
    }
}

std::optional<std::string> UsiPlayer::awaitLine(const std::string& word, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        const auto line = engine_.readLine(left);
        if (!line) return std::nullopt;
        if (line->compare(0, word.size(), word) == 0) return line;
    }
}

void UsiPlayer::newGame() {
    engine_.writeLine("usinewgame");
    engine_.writeLine("isready");
    if (!awaitLine("readyok", HANDSHAKE_TIMEOUT)) throw std::runtime_error(name_ + " did not answer 'isready'");
}

std::string UsiPlayer::move(const std::vector<std::string>& moves) {
    std::string position = "position startpos";
    if (!moves.empty()) position += " moves";
    for (const std::string& m : moves) position += " " + m;
    engine_.writeLine(position);
    engine_.writeLine(goArguments_.empty() ? "go" : "go " + goArguments_);
    const auto line = awaitLine("bestmove", ANSWER_GRACE);
    if (!line) return {};
    std::istringstream words(*line);
    std::string word, move;
    words >> word >> move;
    return move;
}

void UsiPlayer::gameOver(Outcome outcome) {
    engine_.writeLine(std::string("gameover ") + (outcome == Outcome::Win    ? "win"
                                                  : outcome == Outcome::Loss ? "lose"
                                                                             : "draw"));
}

}  // namespace match
