#pragma once
// Positions for comparing the engine with the game: pieces of a full set
// scattered at random (no dead pieces, no two pawns of a side on a file, the
// rest in hand), in the game's own representation.

#include <random>

namespace engine_test {

struct GamePosition {
    int board[10][10]{};
    int lowerHand[8]{};
    int upperHand[8]{};
    bool lowerToMove = true;
};

GamePosition randomGamePosition(std::mt19937& random);

}  // namespace engine_test
