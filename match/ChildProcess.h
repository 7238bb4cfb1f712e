#pragma once
// A program run as a child process whose standard input and output are
// pipes to us: we write lines to it and read its lines with a time limit.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace match {

class ChildProcess {
public:
    // Starts `argv[0]` (looked up in PATH) with the given arguments; throws on failure.
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    void writeLine(const std::string& line);
    // The next line without its end, or nothing when the time ran out or the child closed its output.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string buffered_;
};

}  // namespace match
