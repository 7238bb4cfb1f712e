#include "record/Utf8.h"

namespace utf8 {
namespace {

constexpr unsigned char CONTINUATION_MASK = 0xC0, CONTINUATION = 0x80, PAYLOAD_BITS = 0x3F;
constexpr char32_t SURROGATE_FIRST = 0xD800, SURROGATE_LAST = 0xDFFF, LAST_CODE_POINT = 0x10FFFF;

// Bytes of the character a lead byte starts: 1..4, or 0 for a byte that
// cannot start one.
int lengthOf(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The smallest code point that needs n bytes: anything below is an overlong form.
constexpr char32_t SMALLEST[5] = {0, 0, 0x80, 0x800, 0x10000};
constexpr unsigned char LEAD_BITS[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};

}  // namespace

bool isValid(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const int n = lengthOf(static_cast<unsigned char>(bytes[i]));
        if (n == 0 || i + n > bytes.size()) return false;
        char32_t c = static_cast<unsigned char>(bytes[i]) & LEAD_BITS[n];
        for (int j = 1; j < n; ++j) {
            const unsigned char b = static_cast<unsigned char>(bytes[i + j]);
            if ((b & CONTINUATION_MASK) != CONTINUATION) return false;
            c = (c << 6) | (b & PAYLOAD_BITS);
        }
        if (c < SMALLEST[n] || (c >= SURROGATE_FIRST && c <= SURROGATE_LAST) || c > LAST_CODE_POINT) return false;
        i += n;
    }
    return true;
}

std::string_view takeChar(std::string_view& text) {
    if (text.empty()) return text;
    const int n = lengthOf(static_cast<unsigned char>(text[0]));
    const size_t length = n == 0 || static_cast<size_t>(n) > text.size() ? 1 : static_cast<size_t>(n);
    const std::string_view first = text.substr(0, length);
    text.remove_prefix(length);
    return first;
}

int displayWidth(std::string_view text) {
    int width = 0;
    while (!text.empty()) width += takeChar(text).size() == 1 ? 1 : 2;
    return width;
}

}  // namespace utf8
