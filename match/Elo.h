#pragma once
// The Elo difference a match score stands for, with its 95 % interval. A
// clean sweep has no finite difference; its interval still says how large
// the difference is at least.

namespace match {

struct EloEstimate {
    double difference = 0;  // positive when the first player is stronger; may be infinite
    double low = 0;         // the 95 % interval, its ends possibly infinite
    double high = 0;
};

EloEstimate eloOf(int wins, int losses, int draws);

}  // namespace match
