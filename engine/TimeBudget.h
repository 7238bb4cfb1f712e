#pragma once
// How long to think about one move: a soft budget after which no new
// iteration starts, and a hard one at which the search stops.

#include "engine/Limits.h"

namespace engine {

struct TimeBudget {
    int softMs = 0;  // 0 when time does not bound the search
    int hardMs = 0;
};

TimeBudget budgetFor(const Limits& limits);

}  // namespace engine
