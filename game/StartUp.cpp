// Start-up of the window, and the reset to the start of the record (the
// initial position, unless a record began elsewhere).

#include "game/Form1.h"

namespace {

constexpr double START_WIDTH = 9000, START_HEIGHT = 8000;

}  // namespace

void Form1::Form_Load() {
    module1.InitSound(platform.windowHandle());
    sndOther.handle = module1.LoadSound(sndOther.file, Module1::EFFECT);
    sndRefuse.handle = module1.LoadSound(sndRefuse.file, Module1::EFFECT);
    sndPiece.handle = module1.LoadSound(sndPiece.file, Module1::EFFECT);
    sndMusic.handle = module1.LoadSound(sndMusic.file, Module1::MUSIC);

    SENTE = 1;
    GOTE = -1;
    kifuMode = OFF;
    guideOn = OFF;
    recordLength = 0;

    comLevel = 3;
    setChecked(Menu::LEVEL3, true);

    upperSide = SENTE;
    lowerSide = GOTE;

    textColor = 15;
    accentColor = 12;
    shadowColor = 0;
    labelColor = 14;
    lineColor = 2;
    gridColor = 2;
    guideColor = 2;
    resultColor = 15;
    platform.setBackgroundColor(lineColor);

    boardLeft = BOARD_LEFT;
    boardTop = BOARD_TOP;
    squareWidth = SQUARE_WIDTH;
    squareHeight = SQUARE_HEIGHT;

    読込_環境設定ファイル();
    初期設定();

    if (platform.windowTop() != MAXIMISED_TOP) platform.placeWindow(0, 0, START_WIDTH, START_HEIGHT);
}

void Form1::初期設定() {
    cancelComReply();
    keepGame(recordLength);  // a reset leaves the game for another
    // A position set up on the board (a handicap, a turned board) goes with
    // the game played on it: the reset returns to the initial position, and
    // the record begun there is dropped. Any other record's start is where
    // the reset returns to.
    if (handicapSet == ON || reversed == ON) forgetRecord();
    handicapLevel = 0;
    handicapSet = OFF;
    gameMode = MODE_HUMAN;
    winner = 0;
    turn = NO_GAME;
    recordIndex = 0;
    moveNumber = 0;
    reversed = OFF;
    setTimer1(false);
    upperTime = 0;
    lowerTime = 0;
    resumePending = OFF;
    kifuMode = OFF;
    shownSecond = 0;
    moveRecord.placedPiece[0] = UPPER_PAWN;
    clickState = 0;
    for (int k = HAND_PAWN; k <= HAND_ROOK; ++k) {
        lowerHand[k] = recordStart.lowerHand[k];
        upperHand[k] = recordStart.upperHand[k];
    }
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) board[x][y] = recordStart.board[x][y];
    lowerHandCount = 0;
    upperHandCount = 0;
    for (int k = HAND_PAWN; k <= HAND_ROOK; ++k) {
        if (lowerHand[k] > 0) lowerHandCount += lowerHand[k];
        if (upperHand[k] > 0) upperHandCount += upperHand[k];
    }
    画面_再描画();
}

void Form1::画面_再描画() {
    描画_背景(backgroundKind);
    描画_桝_数値();
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
    描画_所有時間(upperSide, upperTime);
    描画_所有時間(lowerSide, lowerTime);
    if (gameMode == MODE_COM) 描画_レベル(comLevel);
    if (handicapSet == ON) 描画_ハンデレベル(handicapLevel);
    描画_絵(LOGO, 11.1, 0);
}
