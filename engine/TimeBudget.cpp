#include "engine/TimeBudget.h"

#include <algorithm>

namespace engine {
namespace {

// A game is assumed to need this many more moves of ours, whatever its stage.
constexpr int MOVES_TO_GO = 30;
// What the pipe and the GUI take of every move.
constexpr int OVERHEAD_MS = 50;
constexpr int MINIMUM_MS = 10;
constexpr int HARD_OVER_SOFT = 3;       // the hard limit may stretch a budget this much
constexpr int SOFT_SHARE_PERCENT = 60;  // of a fixed move time, before starting no new depth

}  // namespace

namespace {

TimeBudget fixedBudget(int moveTimeMs) {
    const int hard = std::max(MINIMUM_MS, moveTimeMs - OVERHEAD_MS / 2);
    return {hard * SOFT_SHARE_PERCENT / 100, hard};
}

TimeBudget clockBudget(const Limits& limits) {
    const int left = limits.timeLeftMs;
    const int base = left / MOVES_TO_GO + limits.incrementMs + limits.byoyomiMs;
    // Never plan beyond what is on the clock plus one byoyomi period.
    const int ceiling = std::max(MINIMUM_MS, left + limits.byoyomiMs - OVERHEAD_MS);
    const int soft = std::clamp(base - OVERHEAD_MS, MINIMUM_MS, ceiling);
    // In byoyomi the period is used whole: it is lost if not used.
    const int hard = std::min(ceiling, std::max(soft * HARD_OVER_SOFT, limits.byoyomiMs - OVERHEAD_MS));
    return {soft, std::max(soft, hard)};
}

}  // namespace

TimeBudget budgetFor(const Limits& limits) {
    if (limits.infinite) return {};
    const bool fixed = limits.moveTimeMs > 0;
    const bool clock = limits.timeLeftMs >= 0;
    if (fixed && clock) {
        // Whichever runs out first.
        const TimeBudget a = fixedBudget(limits.moveTimeMs), b = clockBudget(limits);
        return {std::min(a.softMs, b.softMs), std::min(a.hardMs, b.hardMs)};
    }
    if (fixed) return fixedBudget(limits.moveTimeMs);
    if (clock) return clockBudget(limits);
    return {};
}

}  // namespace engine
