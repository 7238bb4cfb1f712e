// The programs' command lines as a terminal user meets them: --help and
// --version answer and exit 0, anything unknown shows the usage on standard
// error and exits 2, all without a display.

#include <gtest/gtest.h>

#include "tests/support/RunProgram.h"

namespace {

constexpr int WRONG_USE = 2;

struct Case {
    const char* program;
    QStringList arguments;
    int exitCode;
    const char* printed;  // on standard output for exit code 0, else on standard error
};

// Without a window system: the answers must not need one.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    return environment;
}

TEST(ProgramOptions, AnswerHelpAndVersionAndTurnDownTheRest) {
    const Case cases[] = {
        {"mirelo", {"--help"}, 0, "Usage: mirelo [--maximized] [FILE]"},
        {"mirelo", {"-h"}, 0, "Usage: mirelo [--maximized] [FILE]"},
        {"mirelo", {"--version"}, 0, "mirelo " MIRELO_VERSION "\n"},
        {"mirelo", {"--bogus"}, WRONG_USE, "usage: mirelo"},
        {"mirelo", {"--scenario"}, WRONG_USE, "usage: mirelo"},
        {"mirelo", {"one.kif", "two.kif"}, WRONG_USE, "usage: mirelo"},
        {"mirelo-cli", {"--help"}, 0, "Usage: mirelo-cli [SCENARIO]"},
        {"mirelo-cli", {"--version"}, 0, "mirelo-cli " MIRELO_VERSION "\n"},
        {"mirelo-cli", {"--maximized"}, WRONG_USE, "usage: mirelo-cli"},
        {"mirelo-cli", {"one.scn", "two.scn"}, WRONG_USE, "usage: mirelo-cli"},
    };
    for (const Case& c : cases) {
        const std::string shown = std::string(c.program) + " " + c.arguments.join(' ').toStdString();
        const ProgramRun run = runProgram(QString(PROGRAM_FOLDER) + "/" + c.program, c.arguments, withoutDisplay());
        EXPECT_EQ(run.exitCode, c.exitCode) << shown;
        const std::string& expected = c.exitCode == 0 ? run.out : run.err;
        const std::string& quiet = c.exitCode == 0 ? run.err : run.out;
        EXPECT_NE(expected.find(c.printed), std::string::npos) << shown << " printed:\n" << expected;
        EXPECT_EQ(quiet, "") << shown;
    }
}

}  // namespace
