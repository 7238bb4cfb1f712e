#include "system/DataFolder.h"

#include <filesystem>

namespace os {

std::string dataFolder() {
    static const std::string folder = [] {
        std::error_code error;
        const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
        return (program.parent_path().parent_path() / "share" / "mirelo").string();
    }();
    return folder;
}

}  // namespace os
