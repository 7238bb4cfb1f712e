#pragma once
// Everything of the game a refused record file must leave exactly as it was:
// the position, the counters, the clocks and the whole move record with its
// start, its date-time and its ending.

#include "game/Form1.h"

struct GameSnapshot {
    explicit GameSnapshot(const Form1& f);
    bool operator==(const GameSnapshot& other) const;

    int board[10][10];
    int lowerHand[Form1::HAND_KINDS + 1], upperHand[Form1::HAND_KINDS + 1];
    int counters[18];
    double clocks[2];
    Form1::MoveRecord record;
    Form1::RecordStart start;
    std::optional<DateTime> startTime;
    Form1::RecordEnding ending;
};
