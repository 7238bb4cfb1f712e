// mirelo-cli: runs a scenario against the game without a screen and prints
// the trace of everything the program shows or plays.

#include <fstream>
#include <iostream>

#include "game/Form1.h"
#include "platform/CommandLine.h"
#include "platform/ScenarioPlatform.h"
#include "platform/ScenarioRunner.h"

namespace {

constexpr size_t MOST_ARGUMENTS = 1;  // the scenario
constexpr int WRONG_USE = 2;

constexpr const char* USAGE =
    "usage: mirelo-cli [SCENARIO]\n"
    "Try 'mirelo-cli --help' for more.\n";

constexpr const char* HELP =
    "Usage: mirelo-cli [SCENARIO]\n"
    "Plays the scenario lines in SCENARIO, or on standard input, against Mirelo\n"
    "without a window and prints the trace of everything the game shows or plays.\n"
    "\n"
    "  -h, --help  show this help and exit\n"
    "  --version   show the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = readCommandLine(argc, argv, {}, MOST_ARGUMENTS);
    switch (line.request) {
        case CommandLine::Request::Help: std::cout << HELP; return 0;
        case CommandLine::Request::Version: std::cout << "mirelo-cli " MIRELO_VERSION "\n"; return 0;
        case CommandLine::Request::Wrong:
            std::cerr << "mirelo-cli: " << line.problem << '\n' << USAGE;
            return WRONG_USE;
        case CommandLine::Request::Run: break;
    }
    std::ifstream file;
    const bool fromFile = !line.arguments.empty();
    if (fromFile) {
        file.open(line.arguments.front());
        if (!file) {
            std::cerr << "mirelo-cli: cannot read " << line.arguments.front() << '\n';
            return WRONG_USE;
        }
    }
    ScenarioPlatform platform(std::cout, nullptr);
    Form1 form(platform);
    ScenarioRunner runner(form, platform, std::cout, std::cerr);
    return runner.run(fromFile ? file : std::cin);
}
