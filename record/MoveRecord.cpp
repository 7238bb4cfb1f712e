// The in-memory move record: every move with both sides' clocks before and
// after it, for stepping through a game and for saving it.

#include <cassert>

#include "game/Form1.h"
#include "game/PieceCode.h"

void Form1::手順保存(int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 前秒M, double 後秒M, double 前秒C,
                     double 後秒C) {
    // Callers refuse the move before calling when the record is full.
    assert(!recordIsFull());
    assert(onBoard(先X, 先Y) && (onBoard(元X, 元Y) || piece::isDropSource(元X)));
    assert(piece::isBoardCode(元駒));  // a person's move stores the placed piece only afterwards
    if (recordIndex == 0) captureRecordStart(元駒 > 0);
    // The game goes on, or goes another way: how it ended no longer holds, and
    // the record is one to keep.
    recordEnding = {};
    gameKept = false;
    const int n = ++recordIndex;
    MoveRecord& r = moveRecord;
    r.fromX[n] = 元X;
    r.fromY[n] = 元Y;
    r.toX[n] = 先X;
    r.toY[n] = 先Y;
    r.movedPiece[n] = 元駒;
    r.placedPiece[n] = 先駒;
    r.lowerTimeBefore[n] = 前秒M;
    r.lowerTimeAfter[n] = 後秒M;
    r.upperTimeBefore[n] = 前秒C;
    r.upperTimeAfter[n] = 後秒C;
    r.capturedPiece[n] = board[先X][先Y];
    recordLength = n;
}

// The record holds 500 moves: a further move is refused, and the game can
// still be stepped back, saved or started anew.
void Form1::記録満杯通知() {
    playSound(sndRefuse);
    platform.messageBox("棋譜", "棋譜が一杯です（500手まで）\r\rこれ以上は指せません", BoxButtons::Ok);
}
