// The last move of each side in Japanese notation beside the board: file as a
// full-width digit, rank as a kanji numeral, then the piece's name (７六歩).

#include "game/Form1.h"

namespace {
constexpr int NOTATION_FONT_SIZE = 12;
}

const char* Form1::文字列変換(int IN_文字列) {
    static constexpr const char* DIGITS[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    static constexpr const char* NUMERALS[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    if (IN_文字列 >= 1 && IN_文字列 <= 9) return DIGITS[IN_文字列];
    if (IN_文字列 >= 1001 && IN_文字列 <= 1009) return NUMERALS[IN_文字列 - 1000];
    switch (IN_文字列 < 0 ? -IN_文字列 : IN_文字列) {
    case PAWN: return "歩";
    case TOKIN: return "と";
    case LANCE: return "香";
    case PROMOTED_LANCE: return "香成";
    case KNIGHT: return "桂";
    case PROMOTED_KNIGHT: return "桂成";
    case SILVER: return "銀";
    case PROMOTED_SILVER: return "銀成";
    case GOLD: return "金";
    case BISHOP: return "角";
    case HORSE: return "角成";
    case ROOK: return "飛";
    case DRAGON: return "飛成";
    case KING: return "王";
    default: return "";
    }
}

void Form1::描画_移動駒種類(double 入力X, double 入力Y, const std::string& 駒文字, int 色) {
    if (駒文字.empty()) return;
    platform.drawText(駒文字, twipsX(入力X), twipsY(入力Y), NOTATION_FONT_SIZE, fontBold, 色);
}

void Form1::描画_移動結果(int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色) {
    消去_移動結果(IN_手番);
    double fileX, rankX, pieceX, y;
    if (IN_手番 == upperSide) {
        fileX = -1.5, rankX = -1.1, pieceX = -0.5, y = 8.5;
    } else if (IN_手番 == lowerSide) {
        fileX = 12.5, rankX = 12.9, pieceX = 13.5, y = 2.5;
    } else {
        return;
    }
    const std::string parts[3] = {文字列変換(10 - 移動先X), 文字列変換(移動先Y + 1000), 文字列変換(移動駒)};
    const double xs[3] = {fileX, rankX, pieceX};
    for (int i = 0; i < 3; ++i) {
        描画_移動駒種類(xs[i], y, parts[i], shadowColor);
        描画_移動駒種類(xs[i] - 0.1, y - 0.1, parts[i], 駒色);
    }
    // The piece name reaches into the board's corner square.
    if (IN_手番 == upperSide) 描画_桝輪郭(lineColor, 1, 8);
}

void Form1::消去_移動結果(int IN_手番) {
    if (IN_手番 == upperSide) {
        clearLeftOfBoard(8);
        描画_桝輪郭(lineColor, -1, 7);
        描画_桝輪郭(lineColor, 1, 8);
    } else if (IN_手番 == lowerSide) {
        for (int x = 12; x <= 14; ++x) 描画_絵(backgroundKind, x, 2);
    }
}
