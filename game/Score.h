#pragma once
// Evaluation scores step by tenths (0.1, 0.5 ...). They are kept as whole tenths
// so that equal scores compare equal and ties go to the first candidate.

#include <cmath>
#include <string>

using Score = int;  // in tenths of a point

// 12_pt, 0.5_pt: a score written as the points it stands for.
constexpr Score operator""_pt(unsigned long long points) { return static_cast<Score>(points * 10); }
constexpr Score operator""_pt(long double points) {
    return static_cast<Score>(points < 0 ? points * 10 - 0.5L : points * 10 + 0.5L);
}
// A piece code or count taken as points.
constexpr Score pts(int points) { return points * 10; }

// "-1790.0", "0.2": one digit after the point.
inline std::string scoreText(Score s) {
    std::string sign = s < 0 ? "-" : "";
    int a = s < 0 ? -s : s;
    return sign + std::to_string(a / 10) + "." + std::to_string(a % 10);
}
