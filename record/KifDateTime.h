#pragma once
// The date and time a game started, as the 開始日時 header writes it:
// "2024/05/06 10:20:30". Programs also write the weekday, "2024/05/06(月)",
// leave out the seconds or the whole time; all of that is read.

#include <optional>
#include <string>
#include <string_view>

#include "record/KifGame.h"

namespace kif {

std::string formatDateTime(const DateTime& time);

// Nothing when the text is not a date (and time) of that form.
std::optional<DateTime> parseDateTime(std::string_view text);

}  // namespace kif
