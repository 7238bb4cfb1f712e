#pragma once
// The platform of the real window: painting goes to the surface, questions to
// modal message boxes, the timer to a QTimer, the clock to the system time and
// sound to the sound library.

#include <thread>

#include "platform/Platform.h"

class MainWindow;

class QtPlatform : public Platform {
public:
    explicit QtPlatform(MainWindow& mainWindow) : window(mainWindow) {}
    // Waits for the background work under way (the game stops it first).
    ~QtPlatform() override;

    void drawPicture(int code, double x, double y) override;
    void drawRect(int color, double x1, double y1, double x2, double y2) override;
    void drawText(const std::string& text, double x, double y, int size, bool bold, int color) override;
    void setBackgroundColor(int color) override;
    void refresh() override;
    BoxAnswer messageBox(const std::string& title, const std::string& text, BoxButtons buttons, BoxIcon icon) override;
    void menuChanged(int item, bool checked, bool enabled) override;
    void panelChanged(const FilePanel& panel) override;
    void afterPause(std::function<void()> event) override;
    void inBackground(std::function<void()> work, std::function<void()> done) override;
    void setTimerEnabled(bool enabled) override;
    double clockSeconds() override;
    std::optional<DateTime> localDateTime() override;
    std::string settingsFile() override;
    std::string recordsFolder() override;
    std::string keptGamesFolder() override;
    double windowTop() override;
    void placeWindow(double left, double top, double width, double height) override;
    void* windowHandle() override;
    DSHANDLE dsInitialize(void* handle) override;
    void dsTerminate(DSHANDLE device) override;
    DSHANDLE dsCreateDSB(DSHANDLE device, const void* wav, std::size_t size, int flags) override;
    void dsFree(DSHANDLE buffer) override;
    void dsPlay(DSHANDLE buffer, const char* file) override;
    void dsPlayLooping(DSHANDLE buffer, const char* file) override;
    void dsStop(DSHANDLE buffer, const char* file) override;
    [[noreturn]] void endProgram() override;

private:
    MainWindow& window;
    std::thread worker;  // the background work, one at a time
};
