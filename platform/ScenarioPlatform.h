#pragma once
// The platform of a scripted run: message boxes are answered from a queue, the
// system clock is whatever the scenario set, and everything the program shows
// or plays comes out as trace lines. Painting, menus and the file panel are
// passed on to a real window when there is one (mirelo --scenario), so the
// same scenario can be watched and photographed.

#include <deque>
#include <ostream>

#include "platform/Platform.h"

class ScenarioPlatform : public Platform {
public:
    ScenarioPlatform(std::ostream& out, Platform* window);

    bool traceDraw = false;
    std::deque<BoxAnswer> answers;
    double clock = 0;

    void drawPicture(int code, double x, double y) override;
    void drawRect(int color, double x1, double y1, double x2, double y2) override;
    void drawText(const std::string& text, double x, double y, int size, bool bold, int color) override;
    void setBackgroundColor(int color) override;
    void refresh() override;
    BoxAnswer messageBox(const std::string& title, const std::string& text, BoxButtons buttons,
                         BoxIcon icon) override;
    void menuChanged(int item) override;
    void panelChanged() override;
    void setTimerEnabled(bool) override {}
    double clockSeconds() override { return clock; }
    double windowTop() override;
    void placeWindow(double left, double top, double width, double height) override;
    void* windowHandle() override;
    void dsPlay(DSHANDLE buffer, const char* file) override;
    void dsPlayLooping(DSHANDLE buffer, const char* file) override;
    void dsStop(DSHANDLE buffer, const char* file) override;
    [[noreturn]] void endProgram() override;

    // A text as it appears inside quotes in a trace line.
    static std::string quoted(const std::string& text);

private:
    std::ostream& out;
    Platform* window;
};
