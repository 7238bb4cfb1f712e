#include "record/KifEncoding.h"

#include <algorithm>
#include <cctype>

#include "files/ShiftJis.h"
#include "record/Utf8.h"

namespace kif {
namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
constexpr std::string_view LINE_END = "\r\n";
constexpr std::string_view KIF_DECLARATION = "#KIF";

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

bool declaresUtf8(const std::vector<std::string_view>& lines) {
    for (std::string_view line : lines) {
        if (!line.starts_with(KIF_DECLARATION)) continue;
        const std::string lower = lowerCase(line);
        if (lower.find("encoding=utf-8") != std::string::npos || lower.find("encoding=utf8") != std::string::npos)
            return true;
    }
    return false;
}

bool isUtf8(std::string_view bytes, Format format, const std::vector<std::string_view>& lines) {
    if (format == Format::Kifu) return true;
    return (bytes.starts_with(BYTE_ORDER_MARK) && utf8::isValid(bytes)) || declaresUtf8(lines);
}

}  // namespace

std::optional<Format> formatOfFileName(std::string_view name) {
    const std::string lower = lowerCase(name);
    if (lower.ends_with(".kif")) return Format::Kif;
    if (lower.ends_with(".kifu")) return Format::Kifu;
    return std::nullopt;
}

DecodedLines decodeLines(std::string_view bytes, Format format) {
    std::vector<std::string_view> raw = splitLines(bytes);
    const bool utf8Text = isUtf8(bytes, format, raw);
    if (utf8Text && !raw.empty() && raw[0].starts_with(BYTE_ORDER_MARK)) raw[0].remove_prefix(BYTE_ORDER_MARK.size());
    DecodedLines decoded;
    for (size_t i = 0; i < raw.size(); ++i) {
        std::optional<std::string> text =
            utf8Text ? (utf8::isValid(raw[i]) ? std::optional<std::string>(raw[i]) : std::nullopt)
                     : sjis::toUtf8(std::string(raw[i]));
        if (!text) {
            decoded.unreadableLine = static_cast<int>(i) + 1;
            decoded.lines.clear();
            return decoded;
        }
        decoded.lines.push_back(std::move(*text));
    }
    return decoded;
}

std::optional<std::string> encodeLines(const std::vector<std::string>& lines, Format format) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += LINE_END;
    }
    if (format == Format::Kifu) return text;
    return sjis::fromUtf8(text);
}

}  // namespace kif
