#include "record/KifDateTime.h"

#include <cstdio>

#include "record/KifText.h"

namespace kif {
namespace {

constexpr int MONTHS = 12, DAYS = 31, HOURS = 24, MINUTES = 60, SECONDS = 60;
constexpr int YEAR_DIGITS = 4, FIELD_DIGITS = 2;

// "(月)" and the like after the date.
void skipWeekday(std::string_view& text) {
    if (!text.starts_with('(')) return;
    if (const size_t close = text.find(')'); close != std::string_view::npos) text.remove_prefix(close + 1);
}

}  // namespace

std::string formatDateTime(const DateTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::optional<DateTime> parseDateTime(std::string_view text) {
    DateTime t;
    const auto year = takeNumber(text, YEAR_DIGITS);
    if (!year || !take(text, "/")) return std::nullopt;
    const auto month = takeNumber(text, FIELD_DIGITS);
    if (!month || !take(text, "/")) return std::nullopt;
    const auto day = takeNumber(text, FIELD_DIGITS);
    if (!day) return std::nullopt;
    t.year = static_cast<int>(*year);
    t.month = static_cast<int>(*month);
    t.day = static_cast<int>(*day);
    skipWeekday(text);
    skipBlanks(text);
    if (!text.empty()) {
        const auto hour = takeNumber(text, FIELD_DIGITS);
        if (!hour || !take(text, ":")) return std::nullopt;
        const auto minute = takeNumber(text, FIELD_DIGITS);
        if (!minute) return std::nullopt;
        t.hour = static_cast<int>(*hour);
        t.minute = static_cast<int>(*minute);
        if (take(text, ":")) {
            const auto second = takeNumber(text, FIELD_DIGITS);
            if (!second) return std::nullopt;
            t.second = static_cast<int>(*second);
        }
        skipBlanks(text);
        if (!text.empty()) return std::nullopt;
    }
    const bool inRange = t.month >= 1 && t.month <= MONTHS && t.day >= 1 && t.day <= DAYS && t.hour < HOURS &&
                         t.minute < MINUTES && t.second < SECONDS;
    return inRange ? std::optional<DateTime>(t) : std::nullopt;
}

}  // namespace kif
