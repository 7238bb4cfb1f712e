#pragma once
// Small steps of reading KIF text (UTF-8): taking a known prefix, a number or
// the blanks programs put between fields, which may be ASCII or full-width.

#include <optional>
#include <string_view>

namespace kif {

// Takes `prefix` off the front of `text` when it is there.
bool take(std::string_view& text, std::string_view prefix);

// Takes blanks (space, tab, full-width space) off the front.
void skipBlanks(std::string_view& text);

// The text without blanks at either end.
std::string_view trimBlanks(std::string_view text);

// A number of 1..maxDigits ASCII digits at the front, taken off.
std::optional<long> takeNumber(std::string_view& text, int maxDigits);

}  // namespace kif
