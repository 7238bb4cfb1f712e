#include "match/Elo.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace match {
namespace {

constexpr double ELO_SCALE = 400.0;
constexpr double Z_95 = 1.96;
// Both tails of a 95 % interval together.
constexpr double OUTSIDE_95 = 0.05;
constexpr double INFINITE = std::numeric_limits<double>::infinity();

double eloOfScore(double score) {
    if (score <= 0) return -INFINITE;
    if (score >= 1) return INFINITE;
    return -ELO_SCALE * std::log10(1 / score - 1);
}

}  // namespace

EloEstimate eloOf(int wins, int losses, int draws) {
    const int games = wins + losses + draws;
    if (games == 0) return {};
    const double n = games;
    if (wins == games || losses == games) {
        // No spread to measure: the exact binomial bound of a sweep, (tail)^(1/n).
        const double bound = eloOfScore(std::pow(OUTSIDE_95 / 2, 1 / n));
        return wins == games ? EloEstimate{INFINITE, bound, INFINITE} : EloEstimate{-INFINITE, -INFINITE, -bound};
    }
    const double score = (wins + 0.5 * draws) / n;
    // Variance of one game's score (1, 0.5 or 0) around the mean.
    const double variance =
        (wins * std::pow(1 - score, 2) + draws * std::pow(0.5 - score, 2) + losses * std::pow(score, 2)) / n;
    const double spread = Z_95 * std::sqrt(variance / n);
    return {eloOfScore(score), eloOfScore(score - spread), eloOfScore(score + spread)};
}

}  // namespace match
