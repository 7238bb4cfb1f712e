#pragma once
// Line-by-line reading and writing of the game's Shift_JIS text files.

#include <fstream>
#include <string>
#include <vector>

namespace textfile {

// The lines of a file (CR LF, LF or CR ends) as raw bytes; false when it cannot be read.
bool readLines(const std::string& path, std::vector<std::string>& lines);

// Writes the lines (given in UTF-8) in Shift_JIS, each ended by CR LF. False when
// the file cannot be created or written, or a text has no Shift_JIS form.
bool writeLines(const std::string& path, const std::vector<std::string>& utf8Lines);

}  // namespace textfile
