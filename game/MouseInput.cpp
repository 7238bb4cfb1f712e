// A human move is two mouse-downs: one on a piece (on the board or the own
// stand), one on its destination. The right button promotes. In a game
// against the computer the computer's reply runs inside the same event.

#include <cmath>

#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {

bool ownedByMover(const Form1& f, int code) {
    return (f.turn == f.lowerSide && piece::isLower(code)) || (f.turn == f.upperSide && piece::isUpper(code));
}

bool ownedByOther(const Form1& f, int code) {
    return (f.turn == f.lowerSide && piece::isUpper(code)) || (f.turn == f.upperSide && piece::isLower(code));
}

}  // namespace

void Form1::Form_MouseDown(int Button, int /*Shift*/, double X, double Y) {
    if (comReplyPending) {  // the computer is about to move
        playSound(sndRefuse);
        return;
    }
    closeFilePanel();

    if (kifuMode == ON) {
        if (platform.messageBox("棋譜", "棋譜を '進 'で進めて下さい", BoxButtons::YesNo) == BoxAnswer::No) {
            playSound(sndRefuse);
            初期設定();
        }
        return;
    }

    // Floor division: clicks left of or above the grid give negative cells.
    const int column = static_cast<int>(std::floor((X - boardLeft) / squareWidth));
    const int row = static_cast<int>(std::floor((Y - boardTop) / squareHeight));

    if (turn == NO_GAME) {
        playSound(sndRefuse);
        platform.messageBox("開始", "「対局」で始めて下さい", BoxButtons::Ok);
        return;
    }

    const auto resumeHumanTurn = [&] {
        resumePending = OFF;
        moveStartTime = platform.clockSeconds();
        if (isChecked(Menu::KEIKA)) setTimer1(true);
    };
    if (gameMode == MODE_HUMAN) {
        if (resumePending == ON) {
            resumeHumanTurn();
            if (turn == SENTE)
                platform.messageBox("対局", "先手の番です", BoxButtons::Ok);
            else if (turn == GOTE)
                platform.messageBox("対局", "後手の番です", BoxButtons::Ok);
        }
    } else if (gameMode == MODE_COM) {
        if (turn == upperSide) {
            resumePending = OFF;
            platform.messageBox("再開(COM)", "OKですか？", BoxButtons::Ok);
            com_ban();
        } else if (turn == lowerSide && resumePending == ON) {
            resumeHumanTurn();
            platform.messageBox("対局", "MANの番です", BoxButtons::Ok);
        }
    }

    if (onBoard(column, row)) {
        if (clickState == 0)
            selectOnBoard(column, row);
        else
            moveToDestination(Button, column, row);
        return;
    }

    PendingMove& m = pendingMove;
    if (piece::isUpper(m.piece) || piece::isLower(m.piece)) {
        描画_移動可能桝色(m.fromX, m.fromY, gridColor, m.piece);
        描画_桝輪郭(gridColor, m.fromX, m.fromY);
    }
    if (column == LOWER_STAND_X && row >= piece::lowerStandRow(HAND_PAWN) && row <= piece::lowerStandRow(HAND_ROOK))
        selectFromStand(column, row);
    else if (column == UPPER_STAND_X && row >= piece::upperStandRow(HAND_ROOK) &&
             row <= piece::upperStandRow(HAND_PAWN))
        selectFromStand(column, row);
}

void Form1::selectOnBoard(int x, int y) {
    if (board[x][y] == EMPTY) return;
    PendingMove& m = pendingMove;
    m.fromX = x;
    m.fromY = y;
    m.piece = board[x][y];
    描画_移動可能桝色(m.fromX, m.fromY, guideColor, m.piece);
    if (ownedByMover(*this, m.piece)) {
        clickState = 1;
        描画_桝輪郭(accentColor, x, y);
    } else if (ownedByOther(*this, m.piece)) {
        描画_桝輪郭(guideColor, x, y);
    }
}

// A stand piece of the side to move is selected; one of the other side's is
// only shown, like an opponent's piece on the board, so it can never be
// dropped by the wrong player.
void Form1::selectFromStand(int column, int row) {
    const bool lower = column == LOWER_STAND_X;
    const int k = lower ? piece::handIndexOfLowerStandRow(row) : piece::handIndexOfUpperStandRow(row);
    if ((lower ? lowerHand[k] : upperHand[k]) <= 0) return;
    調査_2歩フラグ設定();
    PendingMove& m = pendingMove;
    m.fromX = column;
    m.fromY = row;
    m.piece = lower ? -piece::ofHandIndex(k) : piece::ofHandIndex(k);
    const bool moverOwnsStand = turn == (lower ? lowerSide : upperSide);
    clickState = moverOwnsStand ? 1 : 0;
    描画_桝輪郭(moverOwnsStand ? accentColor : guideColor, column, row);
    描画_移動可能桝色(column, row, guideColor, m.piece);
}

void Form1::moveToDestination(int Button, int x, int y) {
    PendingMove& m = pendingMove;
    m.toX = x;
    m.toY = y;
    if (ownedByMover(*this, board[x][y])) {
        描画_桝輪郭(gridColor, m.fromX, m.fromY);
        m.fromX = x;
        m.fromY = y;
        m.piece = board[x][y];
        描画_移動可能桝色(m.fromX, m.fromY, guideColor, m.piece);
        描画_桝輪郭(accentColor, x, y);
        return;
    }
    if (移動チェック(m.fromX, m.fromY, m.toX, m.toY, m.piece) == OFF) {
        playSound(sndRefuse);
        clickState = 0;
        描画_将棋盤桝();
        return;
    }
    if (移動後チェック(m.toY, m.piece) == OFF && Button == LEFT_BUTTON) {
        playSound(sndRefuse);
        platform.messageBox("成り", "マウスの右をクリックして下さい", BoxButtons::Ok);
        return;
    }
    if (recordIsFull()) {
        clickState = 0;
        描画_将棋盤桝();
        記録満杯通知();
        return;
    }
    // The record keeps both clocks as this move leaves them: in a two-person
    // game the second player's moves run the upper clock.
    const bool upperClock = gameMode == MODE_HUMAN && turn == GOTE;
    手順保存(m.fromX, m.fromY, m.toX, m.toY, m.piece, board[m.toX][m.toY], lowerTime,
             upperClock ? lowerTime : lowerTime + moveElapsed, upperTime,
             upperClock ? upperTime + moveElapsed : upperTime);
    moveNumber += 1;
    描画_手数(moveNumber, textColor);
    if (調査_駒成(m.fromX, m.fromY, m.toX, m.toY, m.piece) == ON && Button == RIGHT_BUTTON) m.piece = promotedPiece;
    moveRecord.placedPiece[recordIndex] = m.piece;
    clickState = 0;
    描画_桝輪郭(gridColor, m.fromX, m.fromY);
    描画_桝輪郭(gridColor, m.toX, m.toY);
    描画_移動可能桝色(m.fromX, m.fromY, gridColor, m.piece);
    if (m.fromX == UPPER_STAND_X)
        m.fromY = piece::handIndexOfUpperStandRow(m.fromY);  // the stand row becomes the hand index
    const int captured = board[m.toX][m.toY];
    駒移動(m.fromX, m.fromY, m.toX, m.toY, m.piece);
    playSound(sndPiece);
    描画_移動結果(m.piece >= UPPER_PAWN ? upperSide : lowerSide, m.toX, m.toY, m.piece, resultColor);

    if (gameMode == MODE_COM) {
        setTimer1(false);
        lowerTime += moveElapsed;
        勢力調査();
        const bool comMated = 詰めかCOM() == ON;
        if (comMated || captured == UPPER_KING) {
            if (captured != UPPER_KING) recordEnding = {recordIndex, kif::Ending::Mated};
            終了("あなた");
            return;
        }
        if (winner == 0) {
            turn = upperSide;
            replyAfterPause();
        }
    } else if (gameMode == MODE_HUMAN) {
        // The end of the game has reset the board or ended the program.
        if (winner == lowerSide) return 終了("先手");
        if (winner == upperSide) return 終了("後手");
        if (turn == SENTE) {
            turn = GOTE;
            lowerTime += moveElapsed;
        } else if (turn == GOTE) {
            turn = SENTE;
            upperTime += moveElapsed;
        }
        moveStartTime = platform.clockSeconds();
    }
}
