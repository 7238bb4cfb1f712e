#pragma once
// The Elo difference a match score stands for, with its 95 % error margin.

namespace match {

struct EloEstimate {
    double difference = 0;  // positive when the first player is stronger
    double margin = 0;      // half the width of the 95 % interval
};

EloEstimate eloOf(int wins, int losses, int draws);

}  // namespace match
