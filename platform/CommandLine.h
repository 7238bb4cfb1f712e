#pragma once
// A program's command line: long options with or without a value
// ("--scenario FILE" or "--scenario=FILE") and plain arguments. Every program
// answers --help (-h) and --version, and turns down anything it does not know
// so that it can show its usage instead of starting.

#include <map>
#include <span>
#include <string>
#include <vector>

struct OptionSpec {
    std::string name;  // with its dashes: "--maximized"
    bool takesValue = false;
};

struct CommandLine {
    enum class Request { Run, Help, Version, Wrong };
    Request request = Request::Run;
    std::map<std::string, std::string> options;  // the options given, with their values ("" for a flag)
    std::vector<std::string> arguments;          // the plain arguments, in order
    std::string problem;                         // what is wrong, for a Wrong line

    bool has(const std::string& option) const { return options.count(option) > 0; }
};

// Reads argv[1..argc-1]. "-" is a plain argument (standard input); after "--"
// every word is one.
CommandLine readCommandLine(int argc, const char* const* argv, std::span<const OptionSpec> known, size_t mostArguments);
