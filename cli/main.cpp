// mirelo-cli: runs a scenario against the game without a screen and prints
// the trace of everything the program shows or plays.

#include <fstream>
#include <iostream>

#include "game/Form1.h"
#include "platform/ScenarioPlatform.h"
#include "platform/ScenarioRunner.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: mirelo-cli [SCENARIO]\n";
        return 2;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1]);
        if (!file) {
            std::cerr << "mirelo-cli: cannot read " << argv[1] << '\n';
            return 2;
        }
    }
    ScenarioPlatform platform(std::cout, nullptr);
    Form1 form(platform);
    ScenarioRunner runner(form, platform, std::cout, std::cerr);
    return runner.run(argc == 2 ? file : std::cin);
}
