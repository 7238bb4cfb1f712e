// mirelo: the game in its window. `mirelo --scenario FILE` runs a scenario in
// the real window instead of waiting for the user (see mirelo-cli); `mirelo
// FILE` is how a desktop opens a game record with it.

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <fstream>
#include <iostream>

#include "game/Form1.h"
#include "platform/CommandLine.h"
#include "platform/ScenarioPlatform.h"
#include "platform/ScenarioRunner.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"
#include "qt/SignalEnding.h"
#include "system/DataFolder.h"

namespace {

const OptionSpec OPTIONS[] = {{"--maximized", false}, {"--scenario", true}};
constexpr size_t MOST_ARGUMENTS = 1;  // the game record to open
constexpr int WRONG_USE = 2;

constexpr const char* USAGE =
    "usage: mirelo [--maximized] [FILE]\n"
    "       mirelo --scenario SCENARIO\n"
    "Try 'mirelo --help' for more.\n";

constexpr const char* HELP =
    "Usage: mirelo [--maximized] [FILE]\n"
    "       mirelo --scenario SCENARIO\n"
    "Plays shogi with the forward rule in a window: against the computer, or two\n"
    "people sharing the mouse. FILE is a game record to open (.棋譜, .kif, .kifu).\n"
    "\n"
    "  --maximized          start with the window maximised\n"
    "  --scenario SCENARIO  play the scenario lines in SCENARIO (- for standard\n"
    "                       input) in the window and print their trace, as\n"
    "                       mirelo-cli does without a window\n"
    "  -h, --help           show this help and exit\n"
    "  --version            show the version and exit\n";

QString pictureFolder() { return QString::fromStdString(os::dataFolder() + "/pictures"); }

// FILE "-" reads the scenario from standard input, so a program can play.
int runScenario(MainWindow& window, QtPlatform& qtPlatform, const std::string& path) {
    std::ifstream file;
    if (path != "-") {
        file.open(path);
        if (!file) {
            std::cerr << "mirelo: cannot read " << path << '\n';
            return WRONG_USE;
        }
    }
    ScenarioPlatform platform(std::cout, &qtPlatform);
    Form1 form(platform);
    window.attach(form);
    window.show();
    QApplication::processEvents();
    ScenarioRunner runner(form, platform, std::cout, std::cerr, [&](const std::string& shot) {
        QApplication::processEvents();
        return window.grab().save(QString::fromStdString(shot), "PNG");
    });
    return runner.run(path == "-" ? std::cin : file);
}

}  // namespace

int main(int argc, char** argv) {
    // Read before the window system is reached, so --help works without a display.
    const CommandLine line = readCommandLine(argc, argv, OPTIONS, MOST_ARGUMENTS);
    switch (line.request) {
    case CommandLine::Request::Help: std::cout << HELP; return 0;
    case CommandLine::Request::Version: std::cout << "mirelo " MIRELO_VERSION "\n"; return 0;
    case CommandLine::Request::Wrong: std::cerr << "mirelo: " << line.problem << '\n' << USAGE; return WRONG_USE;
    case CommandLine::Request::Run: break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("mirelo");
    QApplication::setApplicationVersion(MIRELO_VERSION);
    // Desktops find the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(MIRELO_APP_ID);
    // The window's font is ＭＳ Ｐ明朝; Debian ships the IPA Mincho faces in its place.
    QFont::insertSubstitutions("ＭＳ Ｐ明朝", {"IPAPMincho", "IPAMincho"});

    MainWindow window(pictureFolder());
    QtPlatform qtPlatform(window);

    if (line.has("--scenario")) return runScenario(window, qtPlatform, line.options.at("--scenario"));

    Form1 form(qtPlatform);
    window.attach(form);
    if (line.has("--maximized")) window.setWindowState(Qt::WindowMaximized);
    window.deliver([&] { form.Form_Load(); });
    if (window.ended()) return 0;
    // Ended by a signal, the game still keeps its record and releases the sound device.
    SignalEnding endedBySignal([&] { form.終了処理(); });
    window.show();
    // The record a file manager or the command line names.
    if (!line.arguments.empty()) window.openRecordSoon(line.arguments.front());
    return app.exec();
}
