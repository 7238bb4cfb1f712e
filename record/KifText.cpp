#include "record/KifText.h"

namespace kif {
namespace {

constexpr std::string_view BLANKS[] = {" ", "\t", "　"};

bool takeBlank(std::string_view& text) {
    for (std::string_view blank : BLANKS)
        if (take(text, blank)) return true;
    return false;
}

bool endsWithBlank(std::string_view text) {
    for (std::string_view blank : BLANKS)
        if (text.ends_with(blank)) return true;
    return false;
}

}  // namespace

bool take(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

void skipBlanks(std::string_view& text) {
    while (takeBlank(text)) {
    }
}

std::string_view trimBlanks(std::string_view text) {
    skipBlanks(text);
    while (endsWithBlank(text))
        for (std::string_view blank : BLANKS)
            if (text.ends_with(blank)) text.remove_suffix(blank.size());
    return text;
}

std::optional<long> takeNumber(std::string_view& text, int maxDigits) {
    long value = 0;
    int digits = 0;
    while (digits < maxDigits && static_cast<size_t>(digits) < text.size() && text[digits] >= '0' &&
           text[digits] <= '9')
        value = value * 10 + (text[digits++] - '0');
    if (digits == 0) return std::nullopt;
    text.remove_prefix(static_cast<size_t>(digits));
    return value;
}

}  // namespace kif
