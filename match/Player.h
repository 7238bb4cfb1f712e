#pragma once
// One side of a match: a program that is told the game so far and answers
// its move in USI notation.

#include <chrono>
#include <string>
#include <vector>

namespace match {

enum class Outcome { Win, Loss, Draw };

class Player {
public:
    virtual ~Player() = default;
    virtual const std::string& name() const = 0;
    virtual void newGame() = 0;
    // The move after `moves` (played from the start position), "resign", or
    // an empty text when the player gave no answer in time.
    virtual std::string move(const std::vector<std::string>& moves) = 0;
    virtual void gameOver(Outcome outcome) = 0;
};

// How long any answer may take beyond the player's own limit before it is a loss.
constexpr std::chrono::milliseconds ANSWER_GRACE{30000};

}  // namespace match
