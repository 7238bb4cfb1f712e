#include "files/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace files {
namespace {

// Closes the descriptor when the read is over, whichever way it ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

ReadResult readWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    // Opened without blocking, so that a named pipe put in the file's place
    // cannot hang the game; anything but a regular file is then turned away.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat status {};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) return ReadResult::Unopenable;
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) return ReadResult::TooLarge;

    // One byte more than the size tells a file that grew meanwhile.
    std::string read(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t got = 0;
    while (got < read.size()) {
        const ssize_t n = ::read(file.fd, read.data() + got, read.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadResult::Unopenable;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes) return ReadResult::TooLarge;
    read.resize(got);
    bytes = std::move(read);
    return ReadResult::Read;
}

}  // namespace files
