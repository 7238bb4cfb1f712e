#include "tests/support/GameSnapshot.h"

#include <cstring>
#include <iterator>

GameSnapshot::GameSnapshot(const Form1& f)
    : record(f.moveRecord), start(f.recordStart), startTime(f.recordStartTime), ending(f.recordEnding) {
    std::memcpy(board, f.board, sizeof board);
    std::memcpy(lowerHand, f.lowerHand, sizeof lowerHand);
    std::memcpy(upperHand, f.upperHand, sizeof upperHand);
    const int values[std::size(counters)] = {
        f.lowerHandCount, f.upperHandCount, f.turn,       f.SENTE,       f.GOTE,          f.lowerSide,
        f.upperSide,      f.gameMode,       f.moveNumber, f.recordIndex, f.recordLength,  f.kifuMode,
        f.resumePending,  f.reversed,       f.clickState, f.handicapSet, f.handicapLevel, f.winner};
    std::memcpy(counters, values, sizeof counters);
    clocks[0] = f.lowerTime;
    clocks[1] = f.upperTime;
}

bool GameSnapshot::operator==(const GameSnapshot& o) const {
    return std::memcmp(board, o.board, sizeof board) == 0 &&
           std::memcmp(lowerHand, o.lowerHand, sizeof lowerHand) == 0 &&
           std::memcmp(upperHand, o.upperHand, sizeof upperHand) == 0 &&
           std::memcmp(counters, o.counters, sizeof counters) == 0 && clocks[0] == o.clocks[0] &&
           clocks[1] == o.clocks[1] && std::memcmp(&record, &o.record, sizeof record) == 0 && start == o.start &&
           startTime == o.startTime && ending.entry == o.ending.entry && ending.how == o.ending.how;
}
