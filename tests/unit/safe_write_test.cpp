// Writing a file never loses the old one: each system call of the writer is
// made to fail in turn, the writer is killed at random moments, and the target
// is tried as a link, a pipe and a folder.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

#include "files/SafeWrite.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string OLD(3000, 'o');
const std::string NEW = std::string(5000, 'n') + "end";

std::string contentOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Files other than the target left in the folder.
int strayFiles(const fs::path& folder, const fs::path& target) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) count += entry.path() != target;
    return count;
}

// Makes one of the writer's calls fail (with the write a short one that stops
// on a full disk) and puts the real calls back afterwards.
struct FailingCall {
    files::WriteCalls saved = files::writeCalls();
    explicit FailingCall(const std::string& which) {
        files::WriteCalls& calls = files::writeCalls();
        if (which == "open") calls.open = [](const char*, int, unsigned) { return errno = ENOSPC, -1; };
        if (which == "write")
            calls.write = [](int fd, const void* bytes, unsigned long count) {
                // Half of it gets out, then the disk is full.
                static bool second = false;
                second = !second;
                if (!second) return errno = ENOSPC, -1L;
                return static_cast<long>(::write(fd, bytes, count / 2));
            };
        if (which == "fsync") calls.fsync = [](int) { return errno = EIO, -1; };
        if (which == "close")
            calls.close = [](int fd) {
                ::close(fd);
                return errno = EDQUOT, -1;
            };
        if (which == "rename") calls.rename = [](const char*, const char*) { return errno = EXDEV, -1; };
    }
    ~FailingCall() { files::writeCalls() = saved; }
};

TEST(SafeWrite, WritesTheBytesAndLeavesNothingElse) {
    TempFolder folder;
    const fs::path target = folder.path / "game.kifu";
    ASSERT_TRUE(files::writeFileSafely(target.string(), NEW));
    EXPECT_EQ(contentOf(target), NEW);
    put(target, OLD);
    ASSERT_TRUE(files::writeFileSafely(target.string(), NEW));
    EXPECT_EQ(contentOf(target), NEW);
    EXPECT_EQ(strayFiles(folder.path, target), 0);
}

TEST(SafeWrite, AFailingCallLeavesTheOldFileAsItWas) {
    for (const char* which : {"open", "write", "fsync", "close", "rename"}) {
        SCOPED_TRACE(which);
        TempFolder folder;
        const fs::path target = folder.path / "game.棋譜";
        put(target, OLD);
        {
            FailingCall failing(which);
            EXPECT_FALSE(files::writeFileSafely(target.string(), NEW));
        }
        EXPECT_EQ(contentOf(target), OLD);
        EXPECT_EQ(strayFiles(folder.path, target), 0) << "the new file must be removed";
    }
}

TEST(SafeWrite, ALinkIsReplacedNotFollowed) {
    TempFolder folder;
    const fs::path elsewhere = folder.path / "elsewhere";
    fs::create_directory(elsewhere);
    put(elsewhere / "precious", OLD);
    const fs::path link = folder.path / "game.kif";
    fs::create_symlink(elsewhere / "precious", link);
    ASSERT_TRUE(files::writeFileSafely(link.string(), NEW));
    EXPECT_EQ(contentOf(elsewhere / "precious"), OLD);
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(contentOf(link), NEW);
}

TEST(SafeWrite, NeitherAPipeNorAFolderIsWrittenOver) {
    TempFolder folder;
    const fs::path pipe = folder.path / "x.棋譜";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(files::writeFileSafely(pipe.string(), NEW));  // returns at once: nothing opens the pipe
    EXPECT_TRUE(fs::is_fifo(pipe));
    const fs::path sub = folder.path / "y.棋譜";
    fs::create_directory(sub);
    EXPECT_FALSE(files::writeFileSafely(sub.string(), NEW));
    EXPECT_TRUE(fs::is_directory(sub));
}

// Saves killed at random moments: afterwards the file is the old one or the
// new one, whole, every time.
TEST(SafeWrite, KilledWhileSavingLeavesTheOldOrTheNewFile) {
    TempFolder folder;
    const fs::path target = folder.path / "game.kifu";
    const std::string big(512 * 1024, 'b');
    std::mt19937 random(20261208);
    int sawOld = 0, sawNew = 0;
    for (int attempt = 0; attempt < 60; ++attempt) {
        put(target, OLD);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) files::writeFileSafely(target.string(), big);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string found = contentOf(target);
        ASSERT_TRUE(found == OLD || found == big) << "attempt " << attempt << ": " << found.size() << " bytes";
        sawOld += found == OLD;
        sawNew += found == big;
    }
    EXPECT_GT(sawOld + sawNew, 0);
}

}  // namespace
