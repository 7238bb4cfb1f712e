#include "files/SafeWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace files {
namespace {

int openFile(const char* path, int flags, unsigned mode) { return ::open(path, flags, static_cast<mode_t>(mode)); }
long writeBytes(int fd, const void* bytes, unsigned long count) { return ::write(fd, bytes, count); }

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A name in the target's folder that no other writer (another save of this
// game, another copy of the game) uses at the same time.
std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
}

// Only a regular file, a symbolic link (which the new file replaces) or
// nothing may stand at the target.
bool replaceable(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return errno == ENOENT;
    return S_ISREG(status.st_mode) || S_ISLNK(status.st_mode);
}

bool writeAll(WriteCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const long written = calls.write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

WriteCalls& writeCalls() {
    static WriteCalls calls{openFile, writeBytes, ::fsync, ::close, ::rename, ::unlink};
    return calls;
}

bool writeFileSafely(const std::string& path, std::string_view bytes) {
    if (path.empty() || !replaceable(path)) return false;
    WriteCalls& calls = writeCalls();
    const std::string temporary = temporaryName(path);
    const int fd = calls.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool flushed = writeAll(calls, fd, bytes) && calls.fsync(fd) == 0;
    // A failure reported when closing (a full disk on some file systems) is a failure too.
    const bool closed = calls.close(fd) == 0;
    if (!flushed || !closed || calls.rename(temporary.c_str(), path.c_str()) != 0) {
        calls.unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    if (const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

}  // namespace files
