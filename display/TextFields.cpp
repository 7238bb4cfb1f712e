// Text printed straight onto the window: the two printing primitives and the
// move-number, level and handicap fields built on them.

#include <string>

#include "game/Form1.h"

namespace {

constexpr const char* KANJI_NUMERALS[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

const char* labelText(int key) {
    static constexpr const char* HANDICAP_LABELS[21] = {
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
        "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級",
    };
    if (key >= -10 && key <= 10) return HANDICAP_LABELS[key + 10];
    if (key == 99) return "手目";
    return "";
}

// A number prints with the place of its sign in front and one blank behind it.
std::string numberText(int value) { return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value) + " "; }

}  // namespace

void Form1::描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ) {
    if (モード == 0) {
        platform.drawText(numberText(数値), twipsX(入力X), twipsY(入力Y), フォントサイズ, fontBold, 色);
    } else if (数値 >= 1 && 数値 <= 9) {
        platform.drawText(KANJI_NUMERALS[数値], twipsX(入力X), twipsY(入力Y), フォントサイズ, fontBold, 色);
    }
}

void Form1::描画_数値(double 入力X, double 入力Y, const std::string& 数値, int 色, int モード, int フォントサイズ) {
    if (モード != 0 || 数値.empty()) return;  // text has no kanji numeral form
    platform.drawText(数値, twipsX(入力X), twipsY(入力Y), フォントサイズ, fontBold, 色);
}

void Form1::描画_文字列(double 入力X, double 入力Y, int 数値, int 色, int サイズ) {
    constexpr double LABEL_OFFSET_X = 120, LABEL_OFFSET_Y = 160;
    const std::string text = labelText(数値);
    if (text.empty()) return;
    platform.drawText(text, twipsX(入力X) + LABEL_OFFSET_X, twipsY(入力Y) + LABEL_OFFSET_Y, サイズ, fontBold, 色);
}

void Form1::描画_手数(int 数値, int /*色*/) {
    描画_絵(backgroundKind, 13, 3);
    描画_絵(backgroundKind, 14, 3);
    描画_桝輪郭(lineColor, 11, 3);
    // Each extra digit moves the number a tenth of a cell to the left.
    const double shift = 数値 < 10 ? 0.0 : 数値 < 100 ? 0.1 : 0.2;
    描画_数値(13.3 - shift, 3.4, 数値, shadowColor, 0, 12);
    描画_数値(13.2 - shift, 3.3, 数値, textColor, 0, 12);
    描画_文字列(13.9, 3.2, 99, shadowColor, 10);
    描画_文字列(13.8, 3.1, 99, textColor, 10);
}

void Form1::描画_レベル(int IN_LEVEL) {
    描画_数値(-1.4, 0.2, "LEVEL", shadowColor, 0, 10);
    描画_数値(-1.5, 0.1, "LEVEL", textColor, 0, 10);
    描画_数値(0.1, 0.1, IN_LEVEL, shadowColor, 0, 12);
    描画_数値(0, 0, IN_LEVEL, textColor, 0, 12);
}

void Form1::描画_ハンデレベル(int IN_ハンデレベル) {
    for (int x = 11; x <= 14; ++x) 描画_絵(backgroundKind, x, 1);
    描画_文字列(11.1, 1.1, IN_ハンデレベル, shadowColor, 10);
    描画_文字列(11, 1, IN_ハンデレベル, textColor, 10);
}
