#pragma once
// The platform of a scripted run: message boxes are answered from a queue, the
// system clock is whatever the scenario set, and everything the program shows
// or plays comes out as trace lines. Painting, menus, the file panel and sound
// are passed on to a real window when there is one (mirelo --scenario), so the
// same scenario can be watched, heard and photographed; without one the sound
// device is a silent one.

#include <deque>
#include <functional>
#include <ostream>

#include "platform/Platform.h"
#include "platform/SilentSoundDevice.h"

class ScenarioPlatform : public Platform {
public:
    ScenarioPlatform(std::ostream& out, Platform* window);

    bool traceDraw = false;
    bool traceCandidates = false;
    // Also told of every candidate the computer scores (tests collect them).
    std::function<void(const ScoredCandidate&)> candidateListener;
    std::deque<BoxAnswer> answers;
    double clock = 0;
    // The calendar a scripted run sees: none, unless a test sets one.
    std::optional<DateTime> dateTime;

    void drawPicture(int code, double x, double y) override;
    void drawRect(int color, double x1, double y1, double x2, double y2) override;
    void drawText(const std::string& text, double x, double y, int size, bool bold, int color) override;
    void setBackgroundColor(int color) override;
    void refresh() override;
    BoxAnswer messageBox(const std::string& title, const std::string& text, BoxButtons buttons, BoxIcon icon) override;
    void menuChanged(int item, bool checked, bool enabled) override;
    void panelChanged(const FilePanel& panel) override;
    void candidateScored(const ScoredCandidate& candidate) override;
    void afterPause(std::function<void()> event) override { event(); }
    void inBackground(std::function<void()> work, std::function<void()> done) override {
        work();
        done();
    }
    void setTimerEnabled(bool) override {}
    double clockSeconds() override { return clock; }
    std::optional<DateTime> localDateTime() override { return dateTime; }
    // A scenario runs in its working folder: the settings file and records are there.
    std::string settingsFile() override;
    std::string recordsFolder() override;
    // Games are kept only when a scenario asks, in its folder's "games".
    std::string keptGamesFolder() override { return keptGames; }
    std::string keptGames;
    double windowTop() override;
    void placeWindow(double left, double top, double width, double height) override;
    void* windowHandle() override;
    DSHANDLE dsInitialize(void* window) override;
    void dsTerminate(DSHANDLE device) override;
    DSHANDLE dsCreateDSB(DSHANDLE device, const void* wav, std::size_t size, int flags) override;
    void dsFree(DSHANDLE buffer) override;
    void dsPlay(DSHANDLE buffer, const char* file) override;
    void dsPlayLooping(DSHANDLE buffer, const char* file) override;
    void dsStop(DSHANDLE buffer, const char* file) override;
    [[noreturn]] void endProgram() override;

    // A text as it appears inside quotes in a trace line.
    static std::string quoted(const std::string& text);

private:
    std::ostream& out;
    Platform* window;
    SilentSoundDevice silence;  // the sound device when there is no window
};
