#pragma once
// Plays one game between two players from an opening, checks every move
// with the engine's rules and decides how it ends: under the forward rule a
// king taken wins, under standard rules mate wins; a side without a move, one
// that resigns, answers nothing or plays an illegal move loses; a position
// seen for the fourth time or the move cap is a draw.

#include <string>
#include <vector>

#include "engine/Types.h"
#include "match/Player.h"

namespace match {

struct GameResult {
    // From Black's side: Win means Black won.
    Outcome forBlack = Outcome::Draw;
    std::string reason;
    int plies = 0;
    // Thinking time each side used, in total, and how many moves it made.
    double seconds[engine::COLOR_COUNT] = {0, 0};
    int moves[engine::COLOR_COUNT] = {0, 0};
};

struct GameRules {
    engine::Rules rules = engine::Rules::Forward;
    int maxPlies = 0;
};

GameResult playGame(Player& black, Player& white, const std::vector<std::string>& opening, const GameRules& rules);

}  // namespace match
