#include "record/KifWords.h"

#include "game/PieceCode.h"
#include "record/Utf8.h"

namespace kif {
namespace {

constexpr std::string_view FILE_DIGITS[] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr std::string_view ASCII_DIGITS[] = {"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view NUMERALS[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr std::string_view TEN = "十";
constexpr int TEN_VALUE = 10;
constexpr int DIGITS = 9;

struct Name {
    std::string_view text;
    int code;  // the upper side's code
};

using V = Vocabulary;

// Move names, the written spelling of each code first; longer names before
// the names they begin with, so the longest match is found first.
constexpr Name MOVE_NAMES[] = {
    {"成銀", V::PROMOTED_SILVER},
    {"成桂", V::PROMOTED_KNIGHT},
    {"成香", V::PROMOTED_LANCE},
    {"歩", V::PAWN},
    {"と", V::TOKIN},
    {"香", V::LANCE},
    {"桂", V::KNIGHT},
    {"銀", V::SILVER},
    {"金", V::GOLD},
    {"角", V::BISHOP},
    {"馬", V::HORSE},
    {"飛", V::ROOK},
    {"龍", V::DRAGON},
    {"玉", V::KING},
    {"王", V::KING},
    {"竜", V::DRAGON},
    {"全", V::PROMOTED_SILVER},
    {"圭", V::PROMOTED_KNIGHT},
    {"杏", V::PROMOTED_LANCE},
};

constexpr Name DIAGRAM_NAMES[] = {
    {"歩", V::PAWN},   {"と", V::TOKIN},
    {"香", V::LANCE},  {"杏", V::PROMOTED_LANCE},
    {"桂", V::KNIGHT}, {"圭", V::PROMOTED_KNIGHT},
    {"銀", V::SILVER}, {"全", V::PROMOTED_SILVER},
    {"金", V::GOLD},   {"角", V::BISHOP},
    {"馬", V::HORSE},  {"飛", V::ROOK},
    {"龍", V::DRAGON}, {"玉", V::KING},
    {"王", V::KING},   {"竜", V::DRAGON},
};

struct EndingName {
    std::string_view word;
    Ending ending;
};

// Written spellings first; 詰 and 封じ手 (a sealed move, the game adjourned)
// are only read.
constexpr EndingName ENDING_WORDS[] = {
    {"投了", Ending::Resigned},     {"詰み", Ending::Mated},         {"中断", Ending::Interrupted},
    {"千日手", Ending::Repetition}, {"持将棋", Ending::Impasse},     {"切れ負け", Ending::TimeUp},
    {"反則勝ち", Ending::FoulWin},  {"反則負け", Ending::FoulLoss},  {"入玉勝ち", Ending::EnteringKing},
    {"詰", Ending::Mated},          {"封じ手", Ending::Interrupted},
};

template <size_t N>
int indexOf(const std::string_view (&table)[N], std::string_view text) {
    for (size_t i = 1; i < N; ++i)
        if (table[i] == text) return static_cast<int>(i);
    return 0;
}

}  // namespace

std::string_view fileDigit(int file) { return file >= 1 && file <= DIGITS ? FILE_DIGITS[file] : ""; }

std::string_view rankNumeral(int rank) { return rank >= 1 && rank <= DIGITS ? NUMERALS[rank] : ""; }

int fileOfDigit(std::string_view character) {
    const int file = indexOf(FILE_DIGITS, character);
    return file != 0 ? file : indexOf(ASCII_DIGITS, character);
}

int rankOfNumeral(std::string_view character) { return indexOf(NUMERALS, character); }

std::string countNumeral(int count) {
    if (count <= 1) return "";
    std::string text;
    const int tens = count / TEN_VALUE % TEN_VALUE, units = count % TEN_VALUE;
    if (tens > 1) text += NUMERALS[tens];
    if (tens > 0) text += TEN;
    return text + std::string(NUMERALS[units]);
}

std::optional<int> takeCountNumeral(std::string_view& text) {
    std::string_view rest = text;
    const int tens = rest.starts_with(TEN) ? 1 : 0;
    if (tens) rest.remove_prefix(TEN.size());
    std::string_view after = rest;
    const int units = rankOfNumeral(utf8::takeChar(after));
    if (units != 0) rest = after;
    if (tens == 0 && units == 0) return std::nullopt;
    text = rest;
    return tens * TEN_VALUE + units;
}

std::string_view moveName(int code) {
    for (const Name& n : MOVE_NAMES)
        if (n.code == piece::abs(code)) return n.text;
    return "";
}

int takeMoveName(std::string_view& text) {
    for (const Name& n : MOVE_NAMES)
        if (text.starts_with(n.text)) {
            text.remove_prefix(n.text.size());
            return n.code;
        }
    return 0;
}

std::string_view diagramName(int code) {
    for (const Name& n : DIAGRAM_NAMES)
        if (n.code == piece::abs(code)) return n.text;
    return "";
}

int codeOfDiagramName(std::string_view character) {
    for (const Name& n : DIAGRAM_NAMES)
        if (n.text == character) return n.code;
    return 0;
}

std::string_view endingWord(Ending ending) {
    for (const EndingName& e : ENDING_WORDS)
        if (e.ending == ending) return e.word;
    return "";
}

std::optional<Ending> endingOfWord(std::string_view word) {
    for (const EndingName& e : ENDING_WORDS)
        if (e.word == word) return e.ending;
    return std::nullopt;
}

}  // namespace kif
