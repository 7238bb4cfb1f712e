// mirelo: the game in its window. `mirelo --scenario FILE` runs a scenario in
// the real window instead of waiting for the user (see mirelo-cli).

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <fstream>
#include <iostream>

#include "system/DataFolder.h"
#include "game/Form1.h"
#include "platform/ScenarioPlatform.h"
#include "platform/ScenarioRunner.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"

namespace {

QString pictureFolder() { return QString::fromStdString(os::dataFolder() + "/pictures"); }

// FILE "-" reads the scenario from standard input, so a program can play.
int runScenario(MainWindow& window, QtPlatform& qtPlatform, const std::string& path) {
    std::ifstream file;
    if (path != "-") {
        file.open(path);
        if (!file) {
            std::cerr << "mirelo: cannot read " << path << '\n';
            return 2;
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
    QApplication app(argc, argv);
    // The window font of the game's design, drawn with the IPA Mincho that Debian ships.
    QFont::insertSubstitutions("ＭＳ Ｐ明朝", {"IPAPMincho", "IPAMincho"});

    const QStringList args = app.arguments();
    MainWindow window(pictureFolder());
    QtPlatform qtPlatform(window);

    const qsizetype scenarioAt = args.indexOf("--scenario");
    if (scenarioAt > 0) {
        if (scenarioAt + 1 >= args.size()) {
            std::cerr << "usage: mirelo [--maximized] [--scenario FILE]\n";
            return 2;
        }
        return runScenario(window, qtPlatform, args[scenarioAt + 1].toStdString());
    }

    Form1 form(qtPlatform);
    window.attach(form);
    if (args.contains("--maximized")) window.setWindowState(Qt::WindowMaximized);
    window.deliver([&] { form.Form_Load(); });
    if (window.ended()) return 0;
    window.show();
    return app.exec();
}
