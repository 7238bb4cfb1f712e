// The game commands of the 対局 menu and the handicap ladder: starting a game
// for two people or against the computer, the computer's level, the handicap
// steps, the end-of-game dialog and the ways to leave the program.

#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {

constexpr int HANDICAP_MAX = 10;

// The piece each handicap level takes off (cumulative from level 0 towards it).
struct HandicapPiece {
    int code, x, y;
};

HandicapPiece handicapPiece(int level) {
    // The upper side's pieces in the order they go; the lower side loses the
    // same kinds from the mirrored squares.
    static constexpr HandicapPiece UPPER[HANDICAP_MAX + 1] = {
        {Form1::EMPTY, 0, 0},        {Form1::UPPER_BISHOP, 8, 2}, {Form1::UPPER_ROOK, 2, 2},
        {Form1::UPPER_LANCE, 9, 1},  {Form1::UPPER_LANCE, 1, 1},  {Form1::UPPER_KNIGHT, 8, 1},
        {Form1::UPPER_KNIGHT, 2, 1}, {Form1::UPPER_SILVER, 7, 1}, {Form1::UPPER_SILVER, 3, 1},
        {Form1::UPPER_GOLD, 6, 1},   {Form1::UPPER_GOLD, 4, 1},
    };
    if (level >= 0) return UPPER[level];
    const HandicapPiece& p = UPPER[-level];
    constexpr int mirror = Form1::boardSize + 1;
    return {-p.code, mirror - p.x, mirror - p.y};
}

}  // namespace

void Form1::TAIKYOKU_Click() { closeFilePanel(); }

void Form1::STOP_Click() { closeFilePanel(); }

void Form1::START_Click() {
    描画_棋譜読込み部分消去();
    clearLeftOfBoard(0);
    描画_将棋盤桝();
    moveStartTime = platform.clockSeconds();
    if (isChecked(Menu::KEIKA)) setTimer1(true);
    gameMode = MODE_HUMAN;
    if (turn == NO_GAME || moveNumber == 0) {
        lowerSide = SENTE;
        upperSide = GOTE;
        turn = SENTE;
    }
    platform.messageBox(" ", turn == SENTE ? "先手の番です" : "後手の番です", BoxButtons::Ok);
    resumePending = OFF;
}

// A game against the computer continues from the shown position, so the record
// ends there. That is entry moveNumber, except after the board was turned
// round: its record was emptied and must not come back.
void Form1::cutRecordAtShownPosition() { recordLength = recordIndex; }

void Form1::SENTE_Click() {
    描画_棋譜読込み部分消去();
    描画_レベル(comLevel);
    描画_将棋盤桝();
    clickState = 0;
    gameMode = MODE_COM;
    kifuMode = OFF;
    cutRecordAtShownPosition();
    moveStartTime = platform.clockSeconds();
    setTimer1(true);
    const char* title = " ";
    if (turn == NO_GAME || moveNumber == 0) {
        lowerSide = SENTE;
        upperSide = GOTE;
        turn = SENTE;
    } else if (turn == upperSide) {
        com_ban();
        return;
    } else if (turn == lowerSide) {
        lowerSide = SENTE;
        upperSide = GOTE;
        turn = SENTE;
        title = "対局";
    } else {
        return;
    }
    platform.messageBox(title, "MANの番です", BoxButtons::Ok);
    resumePending = OFF;
}

void Form1::GOTE_Click() {
    描画_棋譜読込み部分消去();
    描画_レベル(comLevel);
    描画_将棋盤桝();
    setTimer1(true);
    clickState = 0;
    gameMode = MODE_COM;
    kifuMode = OFF;
    cutRecordAtShownPosition();
    if (turn == NO_GAME || moveNumber == 0) {
        lowerSide = GOTE;
        upperSide = SENTE;
        turn = SENTE;
        com_ban();
    } else if (turn == lowerSide) {
        platform.messageBox("対局", "MANの番です", BoxButtons::Ok);
        resumePending = OFF;
    } else if (turn == upperSide) {
        com_ban();
    }
}

void Form1::LEVEL1_Click() {
    clearLeftOfBoard(0);
    レベル_設定(1);
}

void Form1::LEVEL2_Click() {
    clearLeftOfBoard(0);
    レベル_設定(2);
}

void Form1::LEVEL3_Click() {
    clearLeftOfBoard(0);
    レベル_設定(3);
}

void Form1::LEVEL4_Click() {
    clearLeftOfBoard(0);
    レベル_設定(4);
}

void Form1::LEVEL5_Click() {
    clearLeftOfBoard(0);
    レベル_設定(5);
}

void Form1::レベル_設定(int IN_LEVEL) {
    for (int item = Menu::LEVEL1; item <= Menu::LEVEL5; ++item) setChecked(item, false);
    if (IN_LEVEL >= 1 && IN_LEVEL <= HIGHEST_LEVEL) {
        setChecked(Menu::LEVEL1 + IN_LEVEL - 1, true);
        comLevel = IN_LEVEL;
    }
    if (gameMode == MODE_COM) 描画_レベル(comLevel);
}

// One step of the handicap ladder: +1 for △, -1 for ▽. Only one square changes.
static void stepHandicap(Form1& f, int step) {
    f.closeFilePanel();
    using Refusal = Form1::HandicapRefusal;
    const bool refused = f.kifuMode == Form1::ON || f.recordIndex > 0 || f.reversed == Form1::ON;
    if (refused) {
        f.playSound(f.sndRefuse);
        f.描画_メッセージ(f.kifuMode == Form1::ON ? Refusal::RecordMode
                          : f.recordIndex > 0     ? Refusal::GameUnderWay
                                                  : Refusal::BoardTurned);
        return;
    }
    f.forgetRecord();
    // The step may take off the very piece that is selected: drop the selection.
    if (f.clickState == 1) {
        f.clickState = 0;
        f.描画_将棋盤桝();
    }
    const int from = f.handicapLevel;
    const int to = from + step;
    if (to >= -HANDICAP_MAX && to <= HANDICAP_MAX) {
        f.handicapLevel = to;
        f.描画_ハンデレベル(to);
        // Moving towards 0 puts back the piece of the level just left; moving
        // away from 0 takes off the piece of the new level.
        const bool putBack = (step > 0 && to <= 0) || (step < 0 && to >= 0);
        const HandicapPiece p = handicapPiece(putBack ? from : to);
        const int code = putBack ? p.code : Form1::EMPTY;
        f.board[p.x][p.y] = code;
        f.描画_絵(code, p.x, p.y);
        f.描画_桝輪郭(f.lineColor, p.x, p.y);
        f.playSound(f.sndPiece);
    }
    f.handicapSet = Form1::ON;
}

void Form1::LBEL_UP_Click() { stepHandicap(*this, +1); }

void Form1::LEBEL_DOWN_Click() { stepHandicap(*this, -1); }

void Form1::描画_メッセージ(HandicapRefusal IN_メッセージ番号) {
    std::string text;
    switch (IN_メッセージ番号) {
    case HandicapRefusal::RecordMode: text = "棋譜ﾓｰﾄﾞではできません"; break;
    case HandicapRefusal::GameUnderWay: text = "対局途中ではできません"; break;
    case HandicapRefusal::BoardTurned: text = "反転後ではできません"; break;
    }
    platform.messageBox("ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", text + "\r\r" + "局面→最初にして下さい", BoxButtons::Ok);
}

void Form1::終了(const std::string& 勝手) {
    keepGame(recordIndex);  // with the king's capture: the record file ends the game without it
    // The finished game can be stepped through again, but not onto the taking
    // of a king: play could then go on from a board with one king.
    if (recordIndex >= 1 && piece::abs(moveRecord.capturedPiece[recordIndex]) == piece::abs(LOWER_KING))
        recordLength = recordIndex - 1;
    platform.messageBox("終了", 勝手 + "の勝ちです", BoxButtons::Ok);
    if (platform.messageBox("再ゲーム", "続けますか？", BoxButtons::YesNo) == BoxAnswer::Yes) {
        // A new game begins at the initial position, where a record begun
        // anywhere else cannot be stepped through.
        if (!recordStartsEven()) forgetRecord();
        初期設定();
    } else {
        終了処理();
        platform.endProgram();
    }
}

void Form1::終了処理() {
    cancelComReply();
    keepGame(recordLength);
    platform.dsFree(sndOther.handle);
    platform.dsFree(sndRefuse.handle);
    platform.dsFree(sndPiece.handle);
    platform.dsFree(sndMusic.handle);
    sndOther.handle = sndRefuse.handle = sndPiece.handle = sndMusic.handle = 0;
    module1.TermSound();
}

void Form1::OWARI_Click() {
    終了処理();
    platform.endProgram();
}

void Form1::Form_Unload() {
    終了処理();
    platform.endProgram();
}

void Form1::Form_KeyPress(int KeyAscii) {
    if (KeyAscii != ESC_KEY) return;
    終了処理();
    platform.endProgram();
}

// Commands after which a computer's reply on its way would land on another game.
static bool changesTheGame(int item) {
    switch (item) {
    case Menu::START:
    case Menu::SENTE_ITEM:
    case Menu::GOTE_ITEM:
    case Menu::OWARI:
    case Menu::CANCEL:
    case Menu::REVERSE:
    case Menu::REPLAY:
    case Menu::AFTER:
    case Menu::LBEL_UP:
    case Menu::LEBEL_DOWN: return true;
    default: return false;
    }
}

void Form1::menuClick(int item) {
    if (changesTheGame(item)) cancelComReply();
    switch (item) {
    case Menu::TAIKYOKU: TAIKYOKU_Click(); break;
    case Menu::START: START_Click(); break;
    case Menu::SENTE_ITEM: SENTE_Click(); break;
    case Menu::GOTE_ITEM: GOTE_Click(); break;
    case Menu::LEVEL1: LEVEL1_Click(); break;
    case Menu::LEVEL2: LEVEL2_Click(); break;
    case Menu::LEVEL3: LEVEL3_Click(); break;
    case Menu::LEVEL4: LEVEL4_Click(); break;
    case Menu::LEVEL5: LEVEL5_Click(); break;
    case Menu::OWARI: OWARI_Click(); break;
    case Menu::STOP: STOP_Click(); break;
    case Menu::CANCEL: CANCEL_Click(); break;
    case Menu::REVERSE: REVERSE_Click(); break;
    case Menu::REPLAY: REPLAY_Click(); break;
    case Menu::AFTER: AFTER_Click(); break;
    case Menu::LBEL_UP: LBEL_UP_Click(); break;
    case Menu::LEBEL_DOWN: LEBEL_DOWN_Click(); break;
    case Menu::KIFU_READ: KIFU_READ_Click(); break;
    case Menu::KIFU_WRITE: KIFU_WRITE_Click(); break;
    case Menu::OPTION: OPTION_Click(); break;
    case Menu::MIDORI: MIDORI_Click(); break;
    case Menu::TATAMI: TATAMI_Click(); break;
    case Menu::TAKE: TAKE_Click(); break;
    case Menu::UCHU: UCHU_Click(); break;
    case Menu::RENGA: RENGA_Click(); break;
    case Menu::SIDOU: SIDOU_Click(); break;
    case Menu::KEIKA: KEIKA_Click(); break;
    case Menu::BGM: BGM_Click(); break;
    case Menu::HOZON: HOZON_Click(); break;
    case Menu::VER: VER_Click(); break;
    case Menu::ASOBIKATA: ASOBIKATA_Click(); break;
    default: break;  // items that only open their sub-menu
    }
}
