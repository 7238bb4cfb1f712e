#pragma once
// The two spellings of a KIF record on disk: ".kif" in code page 932
// (Shift_JIS) and ".kifu" in UTF-8, both with CR LF line ends. A ".kif" file
// may still be UTF-8 when it says so: by a UTF-8 byte-order mark in front of
// valid UTF-8, or by "encoding=UTF-8" in a "#KIF" line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kif {

enum class Format { Kif, Kifu };

// The format a file name's extension names (".kif" or ".kifu", in any case).
std::optional<Format> formatOfFileName(std::string_view name);

struct DecodedLines {
    std::vector<std::string> lines;  // UTF-8, without line ends
    int unreadableLine = 0;          // 1-based line that is not text in the file's encoding; 0 when all are
};

// The file's lines as UTF-8 text (CR LF, LF or CR ends).
DecodedLines decodeLines(std::string_view bytes, Format format);

// The lines (UTF-8) in the format's encoding, each ended by CR LF; nothing
// when a character has no code page 932 form.
std::optional<std::string> encodeLines(const std::vector<std::string>& lines, Format format);

}  // namespace kif
