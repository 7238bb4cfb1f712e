#pragma once
// Reading a whole file in one go.

#include <cstddef>
#include <string>

namespace files {

enum class ReadResult { Read, Unopenable, TooLarge };

// The bytes of a regular file of at most maxBytes. A folder, a pipe, a device,
// a missing or unreadable file is Unopenable; nothing ever blocks.
ReadResult readWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

}  // namespace files
