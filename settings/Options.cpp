// The ｵﾌﾟｼｮﾝ menu: background picture, move guidance and music. Each change
// is written to the settings file at once.

#include "game/Form1.h"
#include "game/PieceCode.h"

void Form1::チェック設定(int IN_背景種類) {
    constexpr int ITEMS[] = {Menu::MIDORI, Menu::TATAMI, Menu::TAKE, Menu::UCHU, Menu::RENGA};
    for (int item : ITEMS) setChecked(item, false);
    if (IN_背景種類 >= BG_MIDORI && IN_背景種類 <= BG_RENGA) setChecked(ITEMS[IN_背景種類 - BG_MIDORI], true);
}

void Form1::backgroundSelected(int item, int kind) {
    if (!isChecked(item)) {
        チェック設定(kind);
        backgroundKind = kind;
    }
    書込_環境設定ファイル();
    画面_再描画();
}

void Form1::MIDORI_Click() { backgroundSelected(Menu::MIDORI, BG_MIDORI); }
void Form1::TATAMI_Click() { backgroundSelected(Menu::TATAMI, BG_TATAMI); }
void Form1::TAKE_Click() { backgroundSelected(Menu::TAKE, BG_TAKE); }
void Form1::UCHU_Click() { backgroundSelected(Menu::UCHU, BG_UCHU); }
void Form1::RENGA_Click() { backgroundSelected(Menu::RENGA, BG_RENGA); }

void Form1::SIDOU_Click() {
    if (isChecked(Menu::SIDOU)) {
        // Plain outlines everywhere take any guidance off the board and stands.
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y) 描画_桝輪郭(gridColor, x, y);
        for (int i = 0; i < HAND_KINDS; ++i) {  // both stands, top to bottom
            描画_桝輪郭(gridColor, UPPER_STAND_X, piece::upperStandRow(HAND_ROOK) + i);
            描画_桝輪郭(gridColor, LOWER_STAND_X, piece::lowerStandRow(HAND_PAWN) + i);
        }
        setChecked(Menu::SIDOU, false);
        guideOn = OFF;
        guideColor = gridColor;
    } else {
        setChecked(Menu::SIDOU, true);
        guideOn = ON;
        guideColor = textColor;
    }
    書込_環境設定ファイル();
}

void Form1::BGM_Click() {
    if (isChecked(Menu::BGM)) {
        setChecked(Menu::BGM, false);
        stopSound(sndMusic);
    } else {
        setChecked(Menu::BGM, true);
        loopSound(sndMusic);
    }
    書込_環境設定ファイル();
}

void Form1::OPTION_Click() {
    closeFilePanel();
}
