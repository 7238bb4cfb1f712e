#pragma once
// The soak: long random sequences of user events fed to the headless game,
// with the game's invariants checked after every event. Events that end the
// program start a fresh one, as a user would.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <random>
#include <string>

#include "game/Form1.h"
#include "platform/ScenarioPlatform.h"

class Soak {
public:
    // Works inside `folder` (settings file, record files); creates it.
    Soak(std::uint64_t seed, std::filesystem::path folder);

    // Runs `events` events. Returns an empty text, or what went wrong and where.
    std::string run(long events);

private:
    void startProgram();
    // Delivers one event, described by the scenario line that would cause it.
    void deliver(const std::string& line, const std::function<void()>& event);
    void click(int button, double X, double Y);
    // Keeps the scenario line of an event among the last few.
    void remember(const std::string& line);
    void oneEvent();
    void plausibleClick();
    void anyClick();
    void menuCommand();
    void panelEvent();
    void prepareRecordFiles();
    std::string brokenInvariant() const;
    std::string stepBackAndForthMismatch() const;
    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }

    std::mt19937_64 random;
    std::filesystem::path folder;
    std::ostream quiet{nullptr};
    ScenarioPlatform platform{quiet, nullptr};
    std::unique_ptr<Form1> form;
    long restarts = 0;
    static constexpr size_t RECENT_EVENTS = 60;
    // Levels 4 and 5 search by nodes, not by the clock: a seed then plays the
    // same game on any machine, and a soak does not wait seconds a move.
    static constexpr std::uint64_t SEARCH_NODES = 3000;
    std::deque<std::string> recent;
};
