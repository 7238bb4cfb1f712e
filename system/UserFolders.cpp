#include "system/UserFolders.h"

#include <cstdlib>
#include <filesystem>

namespace os {
namespace {

constexpr const char* GAME_FOLDER = "mirelo";

// An XDG base directory: the variable when it holds an absolute path, else
// the fallback under the home folder.
std::filesystem::path baseDirectory(const char* variable, const char* underHome) {
    const char* set = std::getenv(variable);
    if (set != nullptr && set[0] == '/') return set;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "/") / underHome;
}

}  // namespace

std::string settingsFile(const std::string& fileName) {
    std::error_code error;
    if (std::filesystem::exists(fileName, error)) return fileName;
    return (baseDirectory("XDG_CONFIG_HOME", ".config") / GAME_FOLDER / fileName).string();
}

std::string dataHome() { return (baseDirectory("XDG_DATA_HOME", ".local/share") / GAME_FOLDER).string(); }

}  // namespace os
