#pragma once
// The initial position, rows 1..9 top to bottom, columns 1..9 left to right:
// the upper side's rook on (2, 2) and bishop on (8, 2), the lower side's
// bishop on (2, 8) and rook on (8, 8).

constexpr int INITIAL_POSITION[9][9] = {
    {20, 30, 100, 110, 950, 110, 100, 30, 20},
    {0, 900, 0, 0, 0, 0, 0, 800, 0},
    {10, 10, 10, 10, 10, 10, 10, 10, 10},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {-10, -10, -10, -10, -10, -10, -10, -10, -10},
    {0, -800, 0, 0, 0, 0, 0, -900, 0},
    {-20, -30, -100, -110, -950, -110, -100, -30, -20},
};
