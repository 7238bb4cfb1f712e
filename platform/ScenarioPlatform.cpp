#include "platform/ScenarioPlatform.h"

#include <cmath>
#include <filesystem>

#include "game/Vocabulary.h"

namespace {

// Twips in trace lines: whole numbers, halves away from zero.
long long twips(double v) { return std::llround(v); }

}  // namespace

ScenarioPlatform::ScenarioPlatform(std::ostream& trace, Platform* realWindow) : out(trace), window(realWindow) {}

std::string ScenarioPlatform::quoted(const std::string& text) {
    std::string q = "\"";
    for (char c : text) {
        switch (c) {
        case '\r': q += "\\r"; break;
        case '\n': q += "\\n"; break;
        case '\\': q += "\\\\"; break;
        case '"': q += "\\\""; break;
        default: q += c;
        }
    }
    return q + "\"";
}

void ScenarioPlatform::drawPicture(int code, double x, double y) {
    if (traceDraw) out << "draw picture " << code << ' ' << twips(x) << ' ' << twips(y) << '\n';
    if (window) window->drawPicture(code, x, y);
}

void ScenarioPlatform::drawRect(int color, double x1, double y1, double x2, double y2) {
    if (traceDraw)
        out << "draw rect " << color << ' ' << twips(x1) << ' ' << twips(y1) << ' ' << twips(x2) << ' ' << twips(y2)
            << '\n';
    if (window) window->drawRect(color, x1, y1, x2, y2);
}

void ScenarioPlatform::drawText(const std::string& text, double x, double y, int size, bool bold, int color) {
    if (traceDraw)
        out << "draw text " << quoted(text) << ' ' << twips(x) << ' ' << twips(y) << ' ' << size << ' ' << color
            << '\n';
    if (window) window->drawText(text, x, y, size, bold, color);
}

void ScenarioPlatform::setBackgroundColor(int color) {
    if (window) window->setBackgroundColor(color);
}

void ScenarioPlatform::refresh() {
    if (window) window->refresh();
}

BoxAnswer ScenarioPlatform::messageBox(const std::string& title, const std::string& text, BoxButtons buttons, BoxIcon) {
    BoxAnswer queued = buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Yes;
    if (!answers.empty()) {
        queued = answers.front();
        answers.pop_front();
    }
    BoxAnswer answer = BoxAnswer::Ok;
    if (buttons == BoxButtons::YesNo) answer = queued == BoxAnswer::No ? BoxAnswer::No : BoxAnswer::Yes;
    out << "msgbox " << quoted(title) << ' ' << quoted(text) << ' ' << (buttons == BoxButtons::Ok ? "OK" : "YESNO")
        << " -> "
        << (answer == BoxAnswer::Ok    ? "OK"
            : answer == BoxAnswer::Yes ? "YES"
                                       : "NO")
        << '\n';
    return answer;
}

void ScenarioPlatform::menuChanged(int item, bool checked, bool enabled) {
    if (window) window->menuChanged(item, checked, enabled);
}

void ScenarioPlatform::panelChanged(const FilePanel& panel) {
    if (window) window->panelChanged(panel);
}

void ScenarioPlatform::candidateScored(const ScoredCandidate& c) {
    if (traceCandidates)
        out << "cand " << c.fromX << ' ' << c.fromY << ' ' << c.toX << ' ' << c.toY << ' ' << c.code << ' '
            << scoreText(c.score) << '\n';
    if (candidateListener) candidateListener(c);
}

std::string ScenarioPlatform::settingsFile() { return Vocabulary::SETTINGS_FILE; }

std::string ScenarioPlatform::recordsFolder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

double ScenarioPlatform::windowTop() { return window ? window->windowTop() : 0; }

void ScenarioPlatform::placeWindow(double left, double top, double width, double height) {
    if (window) window->placeWindow(left, top, width, height);
}

void* ScenarioPlatform::windowHandle() { return window ? window->windowHandle() : nullptr; }

DSHANDLE ScenarioPlatform::dsInitialize(void* handle) {
    return window ? window->dsInitialize(handle) : silence.initialize();
}

void ScenarioPlatform::dsTerminate(DSHANDLE device) {
    if (window)
        window->dsTerminate(device);
    else
        silence.terminate(device);
}

DSHANDLE ScenarioPlatform::dsCreateDSB(DSHANDLE device, const void* wav, std::size_t size, int flags) {
    return window ? window->dsCreateDSB(device, wav, size, flags) : silence.createBuffer(device, wav, size);
}

void ScenarioPlatform::dsFree(DSHANDLE buffer) {
    if (window) window->dsFree(buffer);
}

void ScenarioPlatform::dsPlay(DSHANDLE buffer, const char* file) {
    out << "sound play " << file << '\n';
    if (window) window->dsPlay(buffer, file);
}

void ScenarioPlatform::dsPlayLooping(DSHANDLE buffer, const char* file) {
    out << "sound loop " << file << '\n';
    if (window) window->dsPlayLooping(buffer, file);
}

void ScenarioPlatform::dsStop(DSHANDLE buffer, const char* file) {
    out << "sound stop " << file << '\n';
    if (window) window->dsStop(buffer, file);
}

void ScenarioPlatform::endProgram() {
    out << "exit\n";
    throw ProgramEnd{};
}
