#include "record/KifDiagram.h"

#include "game/PieceCode.h"
#include "record/KifText.h"
#include "record/KifWords.h"
#include "record/Utf8.h"

namespace kif {
namespace {

constexpr std::string_view FILE_LABELS = "  ９ ８ ７ ６ ５ ４ ３ ２ １";
constexpr std::string_view BORDER = "+---------------------------+";
constexpr std::string_view EMPTY_SQUARE = "・";
constexpr std::string_view NOTHING_IN_HAND = "なし";
constexpr std::string_view HAND_SEPARATOR = "　";
constexpr std::string_view ROW_EDGE = "|";
constexpr char LOWER_MARK = ' ', UPPER_MARK = 'v';

// Prefixes of the lines, the lower side's spellings first.
constexpr std::string_view LOWER_HAND[] = {"先手の持駒", "下手の持駒"};
constexpr std::string_view UPPER_HAND[] = {"後手の持駒", "上手の持駒"};
constexpr std::string_view LOWER_TURN[] = {"先手番", "下手番"};
constexpr std::string_view UPPER_TURN[] = {"後手番", "上手番"};
constexpr std::string_view COLONS[] = {"：", ":"};

std::string handText(const int* hand) {
    std::string text;
    for (int k = HAND_KINDS; k >= 1; --k)
        if (hand[k] > 0)
            text +=
                std::string(diagramName(piece::ofHandIndex(k))) + countNumeral(hand[k]) + std::string(HAND_SEPARATOR);
    return text.empty() ? std::string(NOTHING_IN_HAND) : text;
}

template <size_t N>
bool startsWithAny(std::string_view line, const std::string_view (&prefixes)[N]) {
    for (std::string_view prefix : prefixes)
        if (line.starts_with(prefix)) return true;
    return false;
}

template <size_t N>
bool takeAny(std::string_view& line, const std::string_view (&prefixes)[N]) {
    for (std::string_view prefix : prefixes)
        if (take(line, prefix)) return true;
    return false;
}

}  // namespace

std::vector<std::string> diagramLines(const Position& p) {
    std::vector<std::string> lines;
    lines.push_back(std::string(UPPER_HAND[0]) + std::string(COLONS[0]) + handText(p.upperHand));
    lines.emplace_back(FILE_LABELS);
    lines.emplace_back(BORDER);
    for (int y = 1; y <= BOARD_SIZE; ++y) {
        std::string row(ROW_EDGE);
        for (int x = 1; x <= BOARD_SIZE; ++x) {
            const int code = p.board[x][y];
            row += code > 0 ? UPPER_MARK : LOWER_MARK;
            row += code == 0 ? EMPTY_SQUARE : diagramName(code);
        }
        lines.push_back(row + std::string(ROW_EDGE) + std::string(rankNumeral(y)));
    }
    lines.emplace_back(BORDER);
    lines.push_back(std::string(LOWER_HAND[0]) + std::string(COLONS[0]) + handText(p.lowerHand));
    if (p.toMove == Side::Upper) lines.emplace_back(UPPER_TURN[0]);
    return lines;
}

bool readBoardRow(std::string_view line, int y, Position& p) {
    if (!take(line, ROW_EDGE)) return false;
    for (int x = 1; x <= BOARD_SIZE; ++x) {
        if (line.empty() || (line[0] != LOWER_MARK && line[0] != UPPER_MARK)) return false;
        const int sign = line[0] == UPPER_MARK ? 1 : -1;
        line.remove_prefix(1);
        const std::string_view name = utf8::takeChar(line);
        const int code = name == EMPTY_SQUARE ? 0 : codeOfDiagramName(name);
        if (code == 0 && name != EMPTY_SQUARE) return false;
        p.board[x][y] = sign * code;
    }
    return take(line, ROW_EDGE);
}

std::optional<Side> takeHandLineSide(std::string_view& line) {
    std::string_view rest = line;
    std::optional<Side> side;
    if (takeAny(rest, LOWER_HAND))
        side = Side::Lower;
    else if (takeAny(rest, UPPER_HAND))
        side = Side::Upper;
    if (!side || !takeAny(rest, COLONS)) return std::nullopt;
    line = rest;
    return side;
}

bool readHand(std::string_view text, int* hand) {
    text = trimBlanks(text);
    if (text == NOTHING_IN_HAND) return true;
    while (!text.empty()) {
        const int code = codeOfDiagramName(utf8::takeChar(text));
        if (!piece::isHandKind(code)) return false;
        hand[piece::handIndex(code)] += takeCountNumeral(text).value_or(1);
        skipBlanks(text);
    }
    return true;
}

std::optional<Side> turnLineSide(std::string_view line) {
    if (startsWithAny(line, LOWER_TURN)) return Side::Lower;
    if (startsWithAny(line, UPPER_TURN)) return Side::Upper;
    return std::nullopt;
}

bool isDiagramFrame(std::string_view line) {
    if (line.starts_with('+')) return true;
    skipBlanks(line);
    for (int file = BOARD_SIZE; file >= 1; --file) {
        if (fileOfDigit(utf8::takeChar(line)) != file) return false;
        skipBlanks(line);
    }
    return line.empty();
}

}  // namespace kif
