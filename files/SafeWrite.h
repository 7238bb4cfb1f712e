#pragma once
// The one way the game writes a file. The bytes go to a new file beside the
// target, are flushed to the disk and closed, and only then is that file
// renamed over the target: a full disk, a failed write or a kill halfway
// leaves the old file as it was, never a fragment. The name in the chosen
// folder is what gets replaced, so a symbolic link there is replaced by the
// file rather than followed to somewhere else; a folder, pipe or device of
// that name is refused.

#include <string>
#include <string_view>

namespace files {

// True when the file now holds exactly these bytes.
bool writeFileSafely(const std::string& path, std::string_view bytes);

// The system calls the writer makes, replaceable so that tests can make
// each of them fail.
struct WriteCalls {
    int (*open)(const char* path, int flags, unsigned mode);
    long (*write)(int fd, const void* bytes, unsigned long count);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
};
WriteCalls& writeCalls();

}  // namespace files
