#include "match/Elo.h"

#include <algorithm>
#include <cmath>

namespace match {
namespace {

constexpr double ELO_SCALE = 400.0;
constexpr double Z_95 = 1.96;
// Scores of 0 or 1 have no finite Elo: they are held just inside.
constexpr double SCORE_FLOOR = 0.001;

double eloOfScore(double score) {
    const double s = std::clamp(score, SCORE_FLOOR, 1 - SCORE_FLOOR);
    return -ELO_SCALE * std::log10(1 / s - 1);
}

}  // namespace

EloEstimate eloOf(int wins, int losses, int draws) {
    const int games = wins + losses + draws;
    if (games == 0) return {};
    const double n = games;
    const double score = (wins + 0.5 * draws) / n;
    // Variance of one game's score (1, 0.5 or 0) around the mean.
    const double variance =
        (wins * std::pow(1 - score, 2) + draws * std::pow(0.5 - score, 2) + losses * std::pow(score, 2)) / n;
    const double spread = Z_95 * std::sqrt(variance / n);
    return {eloOfScore(score), (eloOfScore(score + spread) - eloOfScore(score - spread)) / 2};
}

}  // namespace match
