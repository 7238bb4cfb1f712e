#pragma once
// Square arithmetic shared by the computer's probes and evaluation. Several
// patterns look one or two squares beside or ahead of a piece near the edge;
// off the board there is no piece and no influence, so such reads go through
// `at`, which answers 0 there instead of reading past the arrays.

#include "game/Vocabulary.h"

namespace com {

struct Square {
    int x, y;
};

inline int at(const int (&map)[10][10], int x, int y) {
    return Vocabulary::onBoard(x, y) ? map[x][y] : 0;
}

// The number of king steps between two squares.
constexpr int stepsBetween(int x1, int y1, int x2, int y2) {
    const int dx = x1 > x2 ? x1 - x2 : x2 - x1;
    const int dy = y1 > y2 ? y1 - y2 : y2 - y1;
    return dx > dy ? dx : dy;
}

constexpr bool within(int x1, int y1, int x2, int y2, int steps) {
    return stepsBetween(x1, y1, x2, y2) <= steps;
}

}  // namespace com
