// Pictures and outlines on the layout grid: cell (x, y) has its top-left corner
// at (boardLeft + x * squareWidth, boardTop + y * squareHeight) twips.

#include <cmath>

#include "game/Form1.h"

// Grid positions are given to a tenth of a cell; working in thousandths keeps
// the twips exact so that halves round the same way everywhere.
double Form1::twipsX(double 座標X) const {
    return boardLeft + static_cast<double>(squareWidth * std::llround(座標X * 1000)) / 1000.0;
}

double Form1::twipsY(double 座標Y) const {
    return boardTop + static_cast<double>(squareHeight * std::llround(座標Y * 1000)) / 1000.0;
}

void Form1::描画_絵(int 駒種類, double 座標X, double 座標Y) {
    if (!Platform::hasPicture(駒種類)) return;
    platform.drawPicture(駒種類, twipsX(座標X), twipsY(座標Y));
}

void Form1::描画_桝輪郭(int 描画色, double 座標X, double 座標Y) {
    platform.drawRect(描画色, twipsX(座標X), twipsY(座標Y), twipsX(座標X + 1), twipsY(座標Y + 1));
}

void Form1::clearLeftOfBoard(int row) {
    for (int x = -2; x <= 0; ++x) 描画_絵(backgroundKind, x, row);
}
