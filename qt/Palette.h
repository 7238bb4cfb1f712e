#pragma once
// The classic 16-colour palette the game names its colours by.

#include <QColor>

inline QColor paletteColor(int index) {
    static const QColor COLORS[16] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},   {128, 0, 0}, {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},     {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    };
    return COLORS[index & 15];
}
