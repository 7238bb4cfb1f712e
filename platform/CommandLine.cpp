#include "platform/CommandLine.h"

#include <algorithm>
#include <string_view>

namespace {

CommandLine wrong(std::string problem) {
    CommandLine line;
    line.request = CommandLine::Request::Wrong;
    line.problem = std::move(problem);
    return line;
}

}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv, std::span<const OptionSpec> known,
                            size_t mostArguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (optionsEnded || word == "-" || !word.starts_with('-')) {
            line.arguments.emplace_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            line.request = CommandLine::Request::Help;
            return line;
        }
        if (word == "--version") {
            line.request = CommandLine::Request::Version;
            return line;
        }
        const size_t equals = word.find('=');
        const std::string name(word.substr(0, equals));
        const auto option =
            std::find_if(known.begin(), known.end(), [&](const OptionSpec& o) { return o.name == name; });
        if (option == known.end()) return wrong("unknown option '" + name + "'");
        if (!option->takesValue) {
            if (equals != std::string_view::npos) return wrong("option '" + name + "' takes no value");
            line.options[name] = "";
        } else if (equals != std::string_view::npos) {
            line.options[name] = std::string(word.substr(equals + 1));
        } else if (i + 1 < argc) {
            line.options[name] = argv[++i];
        } else {
            return wrong("option '" + name + "' needs a value");
        }
    }
    if (line.arguments.size() > mostArguments) return wrong("too many arguments");
    return line;
}
