#pragma once
// GNU Shogi as a player, through its own text protocol: it is kept in
// "force" mode, told every move, and asked with "go" when it is to move; it
// answers a line "N. ... MOVE CLOCK". Its moves are written like USI moves.
// It thinks for a given time per move ("level 1 M:SS") or to a fixed depth.

#include "match/ChildProcess.h"
#include "match/Player.h"

namespace match {

struct GnuShogiLimit {
    int moveTimeMs = 0;  // one of the two
    int depth = 0;
};

class GnuShogiPlayer : public Player {
public:
    GnuShogiPlayer(std::string name, const std::vector<std::string>& command, GnuShogiLimit limit);
    ~GnuShogiPlayer() override;

    const std::string& name() const override { return name_; }
    void newGame() override;
    std::string move(const std::vector<std::string>& moves) override;
    void gameOver(Outcome) override {}

private:
    std::string name_;
    ChildProcess program_;
    GnuShogiLimit limit_;
    std::size_t told_ = 0;  // how many moves of the game it has been told
};

}  // namespace match
