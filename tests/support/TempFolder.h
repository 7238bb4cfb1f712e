#pragma once
// Runs a test inside a fresh empty folder (the game reads and writes its
// settings file in the current directory) and goes back afterwards.

#include <unistd.h>

#include <filesystem>
#include <string>

struct TempFolder {
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path path;

    TempFolder() {
        // Tests run as parallel processes: the process id keeps their folders apart.
        path = std::filesystem::temp_directory_path() /
               ("mirelo-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        std::filesystem::current_path(path);
    }
    ~TempFolder() {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

private:
    static int& counter() {
        static int n = 0;
        return n;
    }
};
