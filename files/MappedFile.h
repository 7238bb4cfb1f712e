#pragma once
// A regular file's bytes mapped into memory: the whole file is at hand at
// once, but only the pages that are read cost time or memory (a long music
// file whose header is all that gets checked stays almost entirely on disk).

#include <cstddef>
#include <string>

#include "files/WholeFile.h"

namespace files {

class MappedFile {
public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    // Maps a regular file of at most maxBytes, as readWholeFile reads one.
    ReadResult map(const std::string& path, std::size_t maxBytes);

    const void* data() const { return bytes; }
    std::size_t size() const { return length; }

private:
    void* bytes = nullptr;
    std::size_t length = 0;
};

}  // namespace files
