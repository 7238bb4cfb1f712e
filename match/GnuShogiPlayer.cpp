#include "match/GnuShogiPlayer.h"

#include <sstream>
#include <stdexcept>

namespace match {
namespace {

constexpr std::chrono::milliseconds GREETING_TIMEOUT{10000};
constexpr int MS_PER_SECOND = 1000;
constexpr int SECONDS_PER_MINUTE = 60;
constexpr const char* REPLY_MARK = " ... ";

// "level 1 M:SS": one move in that time, again and again.
std::string levelCommand(int moveTimeMs) {
    const int seconds = std::max(1, (moveTimeMs + MS_PER_SECOND / 2) / MS_PER_SECOND);
    const int rest = seconds % SECONDS_PER_MINUTE;
    return "level 1 " + std::to_string(seconds / SECONDS_PER_MINUTE) + ":" + (rest < 10 ? "0" : "") +
           std::to_string(rest);
}

}  // namespace

GnuShogiPlayer::GnuShogiPlayer(std::string name, const std::vector<std::string>& command, GnuShogiLimit limit)
    : name_(std::move(name)), program_(command), limit_(limit) {
    if (!program_.readLine(GREETING_TIMEOUT)) throw std::runtime_error(name_ + " did not start");
}

GnuShogiPlayer::~GnuShogiPlayer() {
    try {
        program_.writeLine("quit");
    } catch (const std::exception&) {
        // Already gone.
    }
}

void GnuShogiPlayer::newGame() {
    program_.writeLine("new");
    if (limit_.moveTimeMs > 0) program_.writeLine(levelCommand(limit_.moveTimeMs));
    if (limit_.depth > 0) program_.writeLine("depth " + std::to_string(limit_.depth));
    program_.writeLine("force");
    told_ = 0;
}

std::string GnuShogiPlayer::move(const std::vector<std::string>& moves) {
    for (; told_ < moves.size(); ++told_) program_.writeLine(moves[told_]);
    program_.writeLine("go");
    const auto deadline =
        std::chrono::steady_clock::now() + ANSWER_GRACE + std::chrono::milliseconds(limit_.moveTimeMs);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        const auto line = program_.readLine(left);
        if (!line) return {};
        if (line->find("resign") != std::string::npos) return "resign";
        const auto mark = line->find(REPLY_MARK);
        if (mark == std::string::npos) continue;
        std::istringstream words(line->substr(mark + std::string(REPLY_MARK).size()));
        std::string move;
        words >> move;
        // Back to being told moves, so that it does not answer ours by itself.
        program_.writeLine("force");
        ++told_;
        return move;
    }
}

}  // namespace match
