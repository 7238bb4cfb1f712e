// mirelo-soak: random user events against the headless game, checking its
// invariants after each one.
//   mirelo-soak [--seed N] [--seeds K] [--events N] [--folder PATH]
// runs K seeds from N (default 1 seed from 1) with N events each.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "tests/soak/Soak.h"

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    int seeds = 1;
    long events = 10000;
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "mirelo-soak";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--seed") seed = std::stoull(argv[i + 1]);
        else if (option == "--seeds") seeds = std::stoi(argv[i + 1]);
        else if (option == "--events") events = std::stol(argv[i + 1]);
        else if (option == "--folder") folder = std::filesystem::absolute(argv[i + 1]);
        else {
            std::cerr << "usage: mirelo-soak [--seed N] [--seeds K] [--events N] [--folder PATH]\n";
            return 2;
        }
    }
    for (int s = 0; s < seeds; ++s) {
        Soak soak(seed + s, folder / std::to_string(seed + s));
        const std::string problem = soak.run(events);
        if (!problem.empty()) {
            std::cout << "seed " << seed + s << ", " << problem << '\n';
            return 1;
        }
        std::cout << "seed " << seed + s << ": " << events << " events, invariants held\n";
    }
    return 0;
}
