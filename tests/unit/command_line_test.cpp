// Reading a command line: the options the game's programs take, --help and
// --version wherever they stand, and what is turned down.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/CommandLine.h"

namespace {

const OptionSpec OPTIONS[] = {{"--maximized", false}, {"--scenario", true}};
constexpr size_t MOST_ARGUMENTS = 1;

using Request = CommandLine::Request;

struct Case {
    std::vector<const char*> words;  // after the program's name
    Request request;
    std::map<std::string, std::string> options;
    std::vector<std::string> arguments;
};

CommandLine read(const std::vector<const char*>& words) {
    std::vector<const char*> argv{"mirelo"};
    argv.insert(argv.end(), words.begin(), words.end());
    return readCommandLine(static_cast<int>(argv.size()), argv.data(), OPTIONS, MOST_ARGUMENTS);
}

TEST(CommandLine, ReadsOptionsAndArguments) {
    const Case cases[] = {
        {{}, Request::Run, {}, {}},
        {{"record.kif"}, Request::Run, {}, {"record.kif"}},
        {{"--maximized", "棋譜.棋譜"}, Request::Run, {{"--maximized", ""}}, {"棋譜.棋譜"}},
        {{"--scenario", "play.scn"}, Request::Run, {{"--scenario", "play.scn"}}, {}},
        {{"--scenario=play.scn"}, Request::Run, {{"--scenario", "play.scn"}}, {}},
        // A scenario from standard input, and a file whose name begins with a dash.
        {{"--scenario", "-"}, Request::Run, {{"--scenario", "-"}}, {}},
        {{"-"}, Request::Run, {}, {"-"}},
        {{"--", "--maximized"}, Request::Run, {}, {"--maximized"}},
        {{"--help"}, Request::Help, {}, {}},
        {{"record.kif", "-h"}, Request::Help, {}, {}},
        {{"--maximized", "--version", "--bogus"}, Request::Version, {}, {}},
    };
    for (const Case& c : cases) {
        const CommandLine line = read(c.words);
        const std::string shown = c.words.empty() ? "(none)" : c.words.front();
        EXPECT_EQ(line.request, c.request) << shown;
        if (c.request != Request::Run) continue;
        EXPECT_EQ(line.options, c.options) << shown;
        EXPECT_EQ(line.arguments, c.arguments) << shown;
    }
}

TEST(CommandLine, TurnsDownWhatItDoesNotKnow) {
    const std::vector<const char*> wrong[] = {
        {"--bogus"},           {"-x"},          {"--scenario"}, {"--maximized=yes"}, {"a.kif", "b.kif"},
        {"--bogus", "--help"}, {"--Maximized"},
    };
    for (const auto& words : wrong) {
        const CommandLine line = read(words);
        EXPECT_EQ(line.request, Request::Wrong) << words.front();
        EXPECT_FALSE(line.problem.empty()) << words.front();
    }
}

}  // namespace
