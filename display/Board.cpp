// The 81 squares, their outlines and the move guidance.

#include "game/Form1.h"

void Form1::描画_盤() {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            描画_絵(board[x][y], x, y);
            描画_桝輪郭(lineColor, x, y);
        }
}

void Form1::描画_将棋盤桝() {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) 描画_桝輪郭(gridColor, x, y);
}

void Form1::描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒) {
    描画_将棋盤桝();
    if (guideOn == OFF) return;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (移動チェック(移動元X, 移動元Y, x, y, 移動駒) == ON) 描画_桝輪郭(描画色, x, y);
}
