#pragma once
// Line-by-line reading and writing of the game's Shift_JIS text files.

#include <cstddef>
#include <string>
#include <vector>

#include "files/WholeFile.h"

namespace textfile {

// Text split at CR LF, LF or CR line ends.
std::vector<std::string> splitLines(const std::string& bytes);
// The lines of a regular file of at most maxBytes, as raw bytes.
files::ReadResult readLines(const std::string& path, std::vector<std::string>& lines, std::size_t maxBytes);

// Writes the lines (given in UTF-8) in Shift_JIS, each ended by CR LF, safely
// (see SafeWrite.h). False when the file cannot be written, or a text has no
// Shift_JIS form.
bool writeLines(const std::string& path, const std::vector<std::string>& utf8Lines);

}  // namespace textfile
