#pragma once
// One conversation with a USI GUI: commands are read line by line, the
// search runs on its own thread so that `stop` and `isready` are answered
// while it thinks, and every answer goes out whole under one lock.
// A line it does not understand is reported in an `info string` and skipped.

#include <atomic>
#include <istream>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/Limits.h"
#include "engine/Position.h"
#include "engine/Search.h"

namespace usi {

class UsiSession {
public:
    UsiSession(std::istream& in, std::ostream& out);
    ~UsiSession();

    // Reads commands until `quit` or the end of the input.
    void run();
    // Handles one line; false after `quit`.
    bool handle(const std::string& line);

private:
    void identify();
    void setOption(std::istringstream& args);
    void setPosition(std::istringstream& args);
    void go(std::istringstream& args);
    void stopSearch();
    // The position the GUI set up, under the current rules; nothing if it no longer holds.
    std::optional<engine::Position> currentPosition();
    void think(engine::Position pos, engine::Limits limits, int level);
    void perft(engine::Position pos, int depth);
    void send(const std::string& line);
    void sendInfo(const engine::SearchInfo& info);

    std::istream& in_;
    std::ostream& out_;
    std::mutex outLock_;

    bool forwardRule_ = true;
    int level_;
    std::string positionSfen_;
    std::vector<std::string> positionMoves_;

    engine::Searcher searcher_;
    std::atomic<bool> stop_{false};
    bool thinkingUntilStopped_ = false;
    std::thread thinker_;
};

}  // namespace usi
