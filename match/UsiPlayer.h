#pragma once
// A USI engine as a player: options are set once, and each move is asked
// with the whole game as `position startpos moves ...` and the `go` words
// given (for example "nodes 200000" or "movetime 500"; none for the
// engine's own choice).

#include <memory>
#include <utility>

#include "match/ChildProcess.h"
#include "match/Player.h"

namespace match {

class UsiPlayer : public Player {
public:
    UsiPlayer(std::string name, const std::vector<std::string>& command,
              const std::vector<std::pair<std::string, std::string>>& options, std::string goArguments);
    ~UsiPlayer() override;

    const std::string& name() const override { return name_; }
    void newGame() override;
    std::string move(const std::vector<std::string>& moves) override;
    void gameOver(Outcome outcome) override;

private:
    // Reads until a line starting with `word`; returns it, or nothing on timeout.
    std::optional<std::string> awaitLine(const std::string& word, std::chrono::milliseconds timeout);

    std::string name_;
    ChildProcess engine_;
    std::string goArguments_;
};

}  // namespace match
