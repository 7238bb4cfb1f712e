#include "files/TextFile.h"

#include <exception>
#include <filesystem>
#include <iterator>

#include "files/ShiftJis.h"

namespace textfile {

bool readLines(const std::string& path, std::vector<std::string>& lines) {
    // Only a regular file: reading a folder of that name would throw.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return false;
    }
    if (file.bad()) return false;
    lines.clear();
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
    return true;
}

bool writeLines(const std::string& path, const std::vector<std::string>& utf8Lines) {
    std::string bytes;
    for (const std::string& line : utf8Lines) {
        const auto encoded = sjis::fromUtf8(line);
        if (!encoded) return false;
        bytes += *encoded + "\r\n";
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace textfile
