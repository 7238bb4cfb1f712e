#pragma once
// A calendar date and a time of day, as the clock on the wall shows them: when
// a game started.

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool operator==(const DateTime&) const = default;
};
