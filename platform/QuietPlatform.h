#pragma once
// A platform for running the game where nobody watches: it draws nothing,
// plays nothing, keeps no timer and answers every message box with OK or Yes
// (so a finished game simply starts over), counting the boxes it answered.

#include "game/Vocabulary.h"
#include "platform/Platform.h"

class QuietPlatform : public Platform {
public:
    void drawPicture(int, double, double) override {}
    void drawRect(int, double, double, double, double) override {}
    void drawText(const std::string&, double, double, int, bool, int) override {}
    void setBackgroundColor(int) override {}
    void refresh() override {}
    BoxAnswer messageBox(const std::string&, const std::string&, BoxButtons buttons, BoxIcon) override {
        ++boxes;
        return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    }
    void menuChanged(int, bool, bool) override {}
    void panelChanged(const FilePanel&) override {}
    void setTimerEnabled(bool) override {}
    double clockSeconds() override { return 0; }
    std::optional<DateTime> localDateTime() override { return std::nullopt; }
    double windowTop() override { return 0; }
    void placeWindow(double, double, double, double) override {}
    void afterPause(std::function<void()> event) override { event(); }
    void inBackground(std::function<void()> work, std::function<void()> done) override {
        work();
        done();
    }
    std::string settingsFile() override { return Vocabulary::SETTINGS_FILE; }
    std::string recordsFolder() override { return "."; }
    std::string keptGamesFolder() override { return ""; }
    DSHANDLE dsInitialize(void*) override { return 0; }
    void dsTerminate(DSHANDLE) override {}
    DSHANDLE dsCreateDSB(DSHANDLE, const void*, std::size_t, int) override { return 0; }
    void dsFree(DSHANDLE) override {}
    void dsPlay(DSHANDLE, const char*) override {}
    void dsPlayLooping(DSHANDLE, const char*) override {}
    void dsStop(DSHANDLE, const char*) override {}
    [[noreturn]] void endProgram() override { throw ProgramEnd{}; }

    int boxes = 0;
};
