#include "match/Referee.h"

#include <chrono>

#include "engine/Legality.h"
#include "engine/Notation.h"

namespace match {
namespace {

constexpr int REPETITIONS_FOR_DRAW = 3;  // earlier occurrences: the fourth time is a draw

GameResult decided(GameResult r, engine::Color winner, std::string reason) {
    r.forBlack = winner == engine::BLACK ? Outcome::Win : Outcome::Loss;
    r.reason = std::move(reason);
    return r;
}

Outcome opposite(Outcome o) { return o == Outcome::Win ? Outcome::Loss : o == Outcome::Loss ? Outcome::Win : o; }

GameResult play(Player& black, Player& white, const std::vector<std::string>& opening, const GameRules& rules) {
    GameResult result;
    std::string error;
    engine::Position pos = *engine::positionFromSfen(engine::START_SFEN, rules.rules, error);
    std::vector<std::string> moves;
    for (const std::string& text : opening) {
        pos.makeMove(engine::moveFromUsi(pos, text));
        moves.push_back(text);
    }
    const bool forward = rules.rules == engine::Rules::Forward;
    for (;;) {
        const engine::Color mover = pos.sideToMove();
        const engine::Color other = engine::opposite(mover);
        Player& player = mover == engine::BLACK ? black : white;
        result.plies = static_cast<int>(moves.size());
        if (engine::hasNoLegalMove(pos)) return decided(result, other, forward ? "no move left" : "mate");
        if (pos.repetitions() >= REPETITIONS_FOR_DRAW) return result.reason = "repetition", result;
        if (rules.maxPlies > 0 && result.plies >= rules.maxPlies) return result.reason = "move cap", result;

        const auto started = std::chrono::steady_clock::now();
        const std::string text = player.move(moves);
        result.seconds[mover] += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        result.moves[mover] += 1;
        if (text.empty()) return decided(result, other, player.name() + " gave no move in time");
        if (text == "resign") return decided(result, other, player.name() + " resigned");
        const engine::Move m = engine::moveFromUsi(pos, text);
        if (m == engine::NO_MOVE || !engine::isLegalMove(pos, m))
            return decided(result, other,
                           player.name() + " played an illegal move '" + text + "' in " + engine::sfenOf(pos));
        const bool takesKing = engine::kindOf(pos.capturedBy(m)) == engine::KING;
        pos.makeMove(m);
        moves.push_back(text);
        if (takesKing) {
            result.plies = static_cast<int>(moves.size());
            return decided(result, mover, "king taken");
        }
    }
}

}  // namespace

GameResult playGame(Player& black, Player& white, const std::vector<std::string>& opening, const GameRules& rules) {
    black.newGame();
    white.newGame();
    const GameResult result = play(black, white, opening, rules);
    black.gameOver(result.forBlack);
    white.gameOver(opposite(result.forBlack));
    return result;
}

}  // namespace match
