#pragma once
// The move line of a game-record file: 37 columns of right-aligned numbers,
//   1-2 fromX, 3 fromY, 4 toX, 5 toY, 6-9 placedPiece, 10-13 movedPiece,
//   14-17 capturedPiece, 18-22 lowerTimeBefore, 23-27 lowerTimeAfter,
//   28-32 upperTimeBefore, 33-37 upperTimeAfter (whole seconds).
// Record files travel between people, so a line read from one is checked
// field by field and the whole game is replayed before it is accepted.

#include <string>
#include <vector>

namespace kifu {

constexpr int MOVE_LINE_LENGTH = 37;
constexpr long TIME_FIELD_MAX = 99999;  // 5 columns

struct MoveLine {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    int placedPiece = 0, movedPiece = 0, capturedPiece = 0;
    long lowerTimeBefore = 0, lowerTimeAfter = 0, upperTimeBefore = 0, upperTimeAfter = 0;
};

// Seconds as the file keeps them: the whole part, at most 99999.
long fileSeconds(double seconds);

std::string format(const MoveLine& move);

// Reads a line written by `format`; false when it is not one.
bool parse(const std::string& line, MoveLine& move);

// Replays the moves from the initial position: sides alternate, every piece
// comes from where the line says and captures what stands there, and nothing
// follows the taking of a king. Returns 0 when they all fit, else the number
// (1-based) of the first move that does not.
int firstInconsistentMove(const std::vector<MoveLine>& moves);

}  // namespace kifu
