#pragma once
// The one seam between the game and the outside world. The game (Form1) paints,
// asks questions and plays sounds only through this interface, so the same game
// runs in the Qt window, in the headless scenario runner and in tests.
// All positions are in twips (15 twips are one pixel at 100 %).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/DateTime.h"
#include "game/Score.h"

struct FilePanel;

// A sound device or buffer of the sound library; 0 means none.
using DSHANDLE = std::uintptr_t;

enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };
enum class BoxIcon { None, Exclamation };

// A move the computer scored while choosing its own: the code it would play
// and its score. Drops come from column -1 with the hand index as row.
struct ScoredCandidate {
    int fromX, fromY, toX, toY, code;
    Score score;
};

// Ending the program unwinds out of the handler that asked for it; the host
// that delivered the event catches this and closes down.
struct ProgramEnd {};

class Platform {
public:
    virtual ~Platform() = default;

    // Window surface. Everything painted stays until painted over.
    virtual void drawPicture(int code, double x, double y) = 0;
    virtual void drawRect(int color, double x1, double y1, double x2, double y2) = 0;
    virtual void drawText(const std::string& text, double x, double y, int size, bool bold, int color) = 0;
    virtual void setBackgroundColor(int color) = 0;
    // Shows what has been painted so far (the computer's search does not yield).
    virtual void refresh() = 0;
    // True when a picture exists for this code (pieces, empty square, tiles, title).
    static bool hasPicture(int code);

    virtual BoxAnswer messageBox(const std::string& title, const std::string& text, BoxButtons buttons,
                                 BoxIcon icon = BoxIcon::None) = 0;

    // A menu item's check mark or enabled state changed in the game's menu model.
    virtual void menuChanged(int item, bool checked, bool enabled) = 0;
    // The file panel's visibility, texts or lists changed in the game's panel model.
    virtual void panelChanged(const FilePanel& panel) = 0;

    // The computer scored a candidate; a host may show the search.
    virtual void candidateScored(const ScoredCandidate& /*candidate*/) {}

    // Runs the event after a pause the player can see (the window lets the
    // computer's reply follow the player's move that way); a run without a
    // screen, or a scenario, runs it at once.
    virtual void afterPause(std::function<void()> event) = 0;

    // Runs `work` away from the window's thread, then `done` on it as an
    // event of its own; a run without a screen, or a scenario, runs both at once.
    virtual void inBackground(std::function<void()> work, std::function<void()> done) = 0;

    // Clock timer of 50 ms and the system clock in seconds since midnight.
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual double clockSeconds() = 0;
    // The local date and time, when the platform knows them.
    virtual std::optional<DateTime> localDateTime() = 0;

    // Where the settings file is read and written.
    virtual std::string settingsFile() = 0;
    // The folder the file panel opens in.
    virtual std::string recordsFolder() = 0;
    // Where every game played is kept; empty when games are not kept.
    virtual std::string keptGamesFolder() = 0;

    // Window placement in twips; a maximised window reports its top edge at -60.
    virtual double windowTop() = 0;
    virtual void placeWindow(double left, double top, double width, double height) = 0;
    virtual void* windowHandle() { return nullptr; }

    // The sound device: the window's is the sound library, a run without a
    // screen has a silent one. Handles of 0 are passed like any other and
    // ignored. The file name tells which of the game's sounds is meant.
    virtual DSHANDLE dsInitialize(void* window) = 0;
    virtual void dsTerminate(DSHANDLE device) = 0;
    virtual DSHANDLE dsCreateDSB(DSHANDLE device, const void* wav, std::size_t size, int flags) = 0;
    virtual void dsFree(DSHANDLE buffer) = 0;
    virtual void dsPlay(DSHANDLE buffer, const char* file) = 0;
    virtual void dsPlayLooping(DSHANDLE buffer, const char* file) = 0;
    virtual void dsStop(DSHANDLE buffer, const char* file) = 0;

    // Ends the program at once: never returns (throws ProgramEnd).
    [[noreturn]] virtual void endProgram() = 0;
};
