// The game must end at once on SIGTERM and SIGINT while its sound device is
// open: the sound library may not take the process's signals over.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

extern char** environ;

namespace {

// The game playing a scenario from a pipe in its real window, with its sound
// device open on SDL's silent driver.
struct RunningGame {
    pid_t pid = -1;
    int commands = -1;  // the scenario's lines go in here
    int trace = -1;     // and the trace comes out here

    RunningGame() {
        int in[2], out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, in[1]);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char program[] = MIRELO_PROGRAM;
        char option[] = "--scenario";
        char fromInput[] = "-";
        char* argv[] = {program, option, fromInput, nullptr};
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        commands = in[1];
        trace = out[0];
    }
    ~RunningGame() {
        if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        ::close(commands);
        ::close(trace);
    }

    // Sends a line and waits for the first byte of its answer: by then the
    // game has started up, sound device and all.
    bool answers(const std::string& line) {
        if (::write(commands, line.data(), line.size()) != static_cast<ssize_t>(line.size())) return false;
        char c;
        return ::read(trace, &c, 1) == 1;
    }

    // Whether the game ended by that signal within the time given.
    bool endsBy(int signal, std::chrono::seconds within) {
        ::kill(pid, signal);
        const auto deadline = std::chrono::steady_clock::now() + within;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFSIGNALED(status) && WTERMSIG(status) == signal;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
};

class EndingBySignal : public testing::TestWithParam<int> {};

TEST_P(EndingBySignal, EndsTheGameAtOnce) {
    RunningGame game;
    ASSERT_GT(game.pid, 0);
    ASSERT_TRUE(game.answers("print state\n"));
    EXPECT_TRUE(game.endsBy(GetParam(), std::chrono::seconds(5)));
}

INSTANTIATE_TEST_SUITE_P(Signals, EndingBySignal, testing::Values(SIGTERM, SIGINT));

// The game as a player starts it: a signal ends it at once too, through the
// game's own ending (which keeps the game under way), and the program dies of
// the signal. It is up once it has written its first settings file.
TEST(EndingBySignal, ThePlayersGameEndsAtOnceToo) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("mirelo-signal-" + std::to_string(::getpid()));
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home);
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char program[] = MIRELO_PROGRAM;
    char* argv[] = {program, nullptr};
    pid_t pid = 0;
    // Started in a folder of its own: a settings file where it starts would be used instead.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(home);
    ASSERT_EQ(posix_spawn(&pid, program, nullptr, nullptr, argv, environ), 0);
    std::filesystem::current_path(previous);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!std::filesystem::exists(home / "config" / "mirelo" / "Mirelo.ini") &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::kill(pid, SIGTERM);
    int status = 0;
    bool ended = false;
    for (const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
         std::chrono::steady_clock::now() < until && !ended;)
        if (::waitpid(pid, &status, WNOHANG) == pid)
            ended = true;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!ended) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    EXPECT_TRUE(ended && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    std::filesystem::remove_all(home);
}

}  // namespace
