#pragma once
// Runs a scenario: one command per line, driving the game through the same
// event handlers the window uses and printing what the scenario asks to see.

#include <functional>
#include <istream>
#include <ostream>
#include <string>

class Form1;
class ScenarioPlatform;

class ScenarioRunner {
public:
    // Saves the window's picture to a file; empty when there is no screen.
    using Screenshot = std::function<bool(const std::string& path)>;

    ScenarioRunner(Form1& form, ScenarioPlatform& platform, std::ostream& out, std::ostream& err,
                   Screenshot screenshot = {});

    // Starts the program (the load event) and runs every line. Returns the exit
    // status: 0 at the end or when the program ended itself, 2 on a bad line.
    int run(std::istream& in);

    // True once the program has ended itself (exit traced).
    bool ended() const { return programEnded; }

private:
    struct BadLine {
        std::string reason;
    };

    void runLine(const std::string& line);
    void printState();
    void printBoard();
    void printHands();
    void printRecord();
    void printMoves(const std::string& side);
    void printMaps();
    void printMenu();
    void printPanel();
    // Delivers one event to the game; a program end stops the scenario.
    void deliver(const std::function<void()>& event);

    Form1& form;
    ScenarioPlatform& platform;
    std::ostream& out;
    std::ostream& err;
    Screenshot screenshot;
    bool programEnded = false;
};
