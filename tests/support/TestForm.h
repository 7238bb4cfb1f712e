#pragma once
// A game on the headless platform for unit tests: the trace goes to a string
// so a test can read what was painted, asked or played.

#include <sstream>
#include <string>

#include "game/Form1.h"
#include "platform/ScenarioPlatform.h"
#include "platform/Sfen.h"

// A mouse-down at the centre of grid cell (x, y), as a player clicks it.
void clickCell(Form1& f, int button, int x, int y);

struct TestForm {
    std::ostringstream trace;
    ScenarioPlatform platform{trace, nullptr};
    Form1 form{platform};

    // Puts a position on the board and in the hands (as the scenario command does).
    void position(const std::string& text);
    // A game against the computer in that position, the computer to move.
    void computerToMove(const std::string& position);
    // The trace written since the last call.
    std::string takeTrace();
};
