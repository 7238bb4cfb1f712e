#pragma once
// Stepping through UTF-8 text one character at a time, and telling valid
// UTF-8 from bytes in another encoding.

#include <string_view>

namespace utf8 {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
bool isValid(std::string_view bytes);

// The first character of valid UTF-8 text, taken off the front; empty at the end.
std::string_view takeChar(std::string_view& text);

// Columns the text takes in a fixed-width font: one for ASCII, two for any
// other character.
int displayWidth(std::string_view text);

}  // namespace utf8
