#include "game/DataFolder.h"

#include <filesystem>

std::string dataFolder() {
    static const std::string folder = [] {
        std::error_code error;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        if (!error) {
            const auto installed = exe.parent_path().parent_path() / "share" / "mirelo";
            if (std::filesystem::is_directory(installed / "pictures", error)) return installed.string();
        }
        return std::string(MIRELO_DATA_DIR);
    }();
    return folder;
}
