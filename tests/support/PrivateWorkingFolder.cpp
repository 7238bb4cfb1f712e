// The game reads and writes its settings file in the current directory, and
// CTest runs the tests as parallel processes from one folder: each test
// process therefore starts in an empty folder of its own.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

struct PrivateWorkingFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("mirelo-tests-" + std::to_string(::getpid()));
    PrivateWorkingFolder() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        std::filesystem::current_path(path);
    }
    ~PrivateWorkingFolder() {
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
        std::filesystem::remove_all(path, ignored);
    }
} const privateWorkingFolder;

}  // namespace
