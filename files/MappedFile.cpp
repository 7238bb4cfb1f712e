#include "files/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

MappedFile::~MappedFile() {
    if (bytes != nullptr) ::munmap(bytes, length);
}

ReadResult MappedFile::map(const std::string& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ReadResult::Unopenable;
    struct stat status {};
    ReadResult result = ReadResult::Unopenable;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const auto size = static_cast<std::size_t>(status.st_size);
        if (size > maxBytes) {
            result = ReadResult::TooLarge;
        } else if (size == 0) {
            result = ReadResult::Read;  // nothing to map; data() stays null
        } else if (void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0); mapped != MAP_FAILED) {
            bytes = mapped;
            length = size;
            result = ReadResult::Read;
        }
    }
    ::close(fd);
    return result;
}

}  // namespace files
