#include "files/TextFile.h"

#include "files/SafeWrite.h"
#include "files/ShiftJis.h"

namespace textfile {

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

files::ReadResult readLines(const std::string& path, std::vector<std::string>& lines, std::size_t maxBytes) {
    std::string bytes;
    const files::ReadResult result = files::readWholeFile(path, bytes, maxBytes);
    if (result == files::ReadResult::Read) lines = splitLines(bytes);
    return result;
}

bool writeLines(const std::string& path, const std::vector<std::string>& utf8Lines) {
    std::string bytes;
    for (const std::string& line : utf8Lines) {
        const auto encoded = sjis::fromUtf8(line);
        if (!encoded) return false;
        bytes += *encoded + "\r\n";
    }
    return files::writeFileSafely(path, bytes);
}

}  // namespace textfile
