// Stepping through the move record: one entry back or forward on the board,
// the hands and both clocks; back to the start; and turning the board round.
// Stepping pauses the game until the next board click resumes it.

#include <cassert>

#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {

int& handOf(Form1& f, int owner, int k) { return owner < 0 ? f.lowerHand[k] : f.upperHand[k]; }
int& handCountOf(Form1& f, int owner) { return owner < 0 ? f.lowerHandCount : f.upperHandCount; }

}  // namespace

void Form1::locateKings() {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            if (board[x][y] == LOWER_KING) lowerKingX = x, lowerKingY = y;
            if (board[x][y] == UPPER_KING) upperKingX = x, upperKingY = y;
        }
}

void Form1::AFTER_Click() {
    closeFilePanel();
    if (turn == NO_GAME) {
        playSound(sndRefuse);
        platform.messageBox("開始", "「対局」で始めて下さい", BoxButtons::Ok);
        return;
    }
    resumePending = ON;
    if (recordIndex >= recordLength) {
        if (kifuMode == ON) {
            platform.messageBox("進む", "終わり", BoxButtons::Ok);
        } else {
            playSound(sndRefuse);
            platform.messageBox("進む", "できません", BoxButtons::Ok);
        }
        return;
    }
    stepForward();
}

void Form1::REPLAY_Click() {
    closeFilePanel();
    resumePending = ON;
    if (recordIndex < 1) {
        playSound(sndRefuse);
        platform.messageBox("戻る", "できません", BoxButtons::Ok);
        return;
    }
    stepBackward();
}

void Form1::CANCEL_Click() {
    初期設定();
    playSound(sndPiece);
}

void Form1::REVERSE_Click() {
    if (kifuMode == ON) {
        playSound(sndRefuse);
        platform.messageBox("反転", "棋譜ﾓｰﾄﾞではできません", BoxButtons::Ok);
        return;
    }
    reversed = ON;
    clickState = 0;
    int copy[10][10];
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) copy[x][y] = board[x][y];
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            board[10 - x][10 - y] = -copy[x][y];  // each piece changes sides
        }
    for (int k = HAND_PAWN; k <= HAND_ROOK; ++k) std::swap(lowerHand[k], upperHand[k]);
    // The totals and king squares must describe the turned position before
    // anything reads them: the computer decides from its total whether to drop.
    std::swap(lowerHandCount, upperHandCount);
    locateKings();
    画面_再描画();
    描画_手数(moveNumber, textColor);
    if (handicapSet == ON) {
        handicapLevel = -handicapLevel;
        描画_ハンデレベル(handicapLevel);
    }
    playSound(sndPiece);
    turn = -turn;
    recordIndex = 0;
    forgetRecord();
}

void Form1::stepForward() {
    clickState = 0;
    setTimer1(false);
    描画_将棋盤桝();

    const int n = recordIndex + 1;
    assert(n >= 1 && n <= recordLength && recordLength <= RECORD_CAPACITY);
    const MoveRecord& r = moveRecord;
    recordIndex = n;
    moveNumber += 1;
    描画_手数(moveNumber, textColor);
    const int placed = r.placedPiece[n];
    if (onBoard(r.fromX[n], r.fromY[n])) {
        board[r.fromX[n]][r.fromY[n]] = EMPTY;
    } else {
        handOf(*this, placed, piece::handIndex(placed)) -= 1;
        handCountOf(*this, placed) -= 1;
    }
    board[r.toX[n]][r.toY[n]] = placed;
    const int c = r.capturedPiece[n];
    if (piece::handIndex(c) != 0) {
        handOf(*this, -c, piece::handIndex(c)) += 1;
        handCountOf(*this, -c) += 1;
    }
    upperTime = r.upperTimeAfter[n];
    描画_所有時間(upperSide, upperTime);
    lowerTime = r.lowerTimeAfter[n];
    描画_所有時間(lowerSide, lowerTime);

    描画_絵(EMPTY, r.fromX[n], r.fromY[n]);
    描画_桝輪郭(lineColor, r.fromX[n], r.fromY[n]);
    描画_絵(placed, r.toX[n], r.toY[n]);
    描画_桝輪郭(lineColor, r.toX[n], r.toY[n]);
    描画_自持盤();
    描画_敵持盤();
    playSound(sndPiece);
    描画_移動結果(placed > 0 ? upperSide : lowerSide, r.toX[n], r.toY[n], placed, resultColor);
    // The other side moves next. Taken from the entry rather than by turning
    // `turn` round: after 最初 and a new start the first move is handed to the
    // lower side even when the record's first move was the upper side's.
    if (turn != NO_GAME) turn = placed > 0 ? lowerSide : upperSide;
    描画_手数(moveNumber, textColor);
    locateKings();
}

void Form1::stepBackward() {
    clickState = 0;
    setTimer1(false);
    描画_将棋盤桝();

    const int n = recordIndex;
    assert(n >= 1 && n <= recordLength && recordLength <= RECORD_CAPACITY);
    const MoveRecord& r = moveRecord;
    const int placed = r.placedPiece[n];
    if (onBoard(r.fromX[n], r.fromY[n])) {
        board[r.fromX[n]][r.fromY[n]] = r.movedPiece[n];
        描画_絵(r.movedPiece[n], r.fromX[n], r.fromY[n]);
        描画_桝輪郭(lineColor, r.fromX[n], r.fromY[n]);
    } else {
        handOf(*this, placed, piece::handIndex(placed)) += 1;
        handCountOf(*this, placed) += 1;
    }
    const int c = r.capturedPiece[n];
    if (piece::handIndex(c) != 0) {
        handOf(*this, -c, piece::handIndex(c)) -= 1;
        handCountOf(*this, -c) -= 1;
    }
    upperTime = r.upperTimeBefore[n];
    lowerTime = r.lowerTimeBefore[n];
    描画_所有時間(upperSide, upperTime);
    描画_所有時間(lowerSide, lowerTime);

    board[r.toX[n]][r.toY[n]] = c;
    描画_自持盤();
    描画_敵持盤();
    描画_絵(EMPTY, r.toX[n], r.toY[n]);
    描画_桝輪郭(lineColor, r.toX[n], r.toY[n]);
    if (c != EMPTY) {
        描画_絵(c, r.toX[n], r.toY[n]);
        描画_桝輪郭(lineColor, r.toX[n], r.toY[n]);
    }
    playSound(sndPiece);
    消去_移動結果(r.movedPiece[n] > 0 ? upperSide : lowerSide);
    recordIndex = n - 1;
    moveNumber -= 1;
    if (turn != NO_GAME) turn = r.movedPiece[n] > 0 ? upperSide : lowerSide;  // the mover is to move again
    描画_手数(moveNumber, textColor);
    locateKings();
}
