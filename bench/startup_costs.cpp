// Start-up costs side by side, each program run alternately with the other
// so that both see the same machine: CPU time (user + system) and peak
// memory of every run, reported as medians.
//
//   bench-startup-costs window   the game's window to its first frame, against a
//                          blank Qt window with a menu bar
//   bench-startup-costs game     a headless one-move game (the computer's reply),
//                          against GNU Shogi answering one move at depth 3

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int RUNS = 21;

struct Program {
    std::string name;
    std::vector<std::string> argv;
    std::string input;  // fed to standard input
};

struct Cost {
    double cpuMs;
    long peakKiB;
};

// Runs the program once with its input on standard input and its output thrown away.
Cost run(const Program& p) {
    const std::filesystem::path inputFile = std::filesystem::temp_directory_path() / "mirelo-startup-input";
    if (std::FILE* f = std::fopen(inputFile.c_str(), "wb")) {
        std::fwrite(p.input.data(), 1, p.input.size(), f);
        std::fclose(f);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputFile.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& a : p.argv) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return {ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss};
}

template <class T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void compare(const Program& ours, const Program& yardstick) {
    std::vector<double> cpu[2];
    std::vector<long> peak[2];
    for (int i = 0; i < RUNS; ++i)
        for (int k = 0; k < 2; ++k) {
            const Cost c = run(k == 0 ? ours : yardstick);
            cpu[k].push_back(c.cpuMs);
            peak[k].push_back(c.peakKiB);
        }
    for (int k = 0; k < 2; ++k)
        std::printf("%-34s CPU %7.1f ms   peak %7.1f MiB\n", (k == 0 ? ours : yardstick).name.c_str(), median(cpu[k]),
                    static_cast<double>(median(peak[k])) / 1024.0);
    std::printf("%-34s CPU %7.2f x    peak %7.2f x\n", "ratio", median(cpu[0]) / median(cpu[1]),
                static_cast<double>(median(peak[0])) / static_cast<double>(median(peak[1])));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc == 2 ? argv[1] : "";
    const std::string bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    if (what == "window") {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        compare({"mirelo to its first frame", {bin + "/mirelo", "--scenario", "-"}, ""},
                {"blank Qt window with a menu bar", {bin + "/bench-blank-window"}, ""});
        return 0;
    }
    if (what == "game") {
        compare({"mirelo-cli: one move and the reply",
                 {bin + "/mirelo-cli"},
                 "menu SENTE\ncell L 7 7\ncell L 7 6\nkey 27\n"},
                {"gnushogi: one reply at depth 3", {"/usr/games/gnushogi"}, "depth\n3\n7g7f\nquit\n"});
        return 0;
    }
    std::fprintf(stderr, "usage: bench-startup-costs window|game\n");
    return 2;
}
