#pragma once
// The game's files are Shift_JIS (code page 932) text with CR LF line ends;
// the program works in UTF-8. These convert between the two.

#include <optional>
#include <string>

namespace sjis {

// UTF-8 to Shift_JIS; nothing when a character has no Shift_JIS form.
std::optional<std::string> fromUtf8(const std::string& utf8);
// Shift_JIS to UTF-8; nothing when the bytes are not valid Shift_JIS.
std::optional<std::string> toUtf8(const std::string& bytes);

}  // namespace sjis
