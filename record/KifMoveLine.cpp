#include "record/KifMoveLine.h"

#include <algorithm>
#include <cstdio>

#include "game/PieceCode.h"
#include "record/KifText.h"
#include "record/KifWords.h"
#include "record/Utf8.h"

namespace kif {
namespace {

constexpr int NUMBER_DIGITS = 6;  // far beyond any record's length, short of overflow
constexpr int CLOCK_DIGITS = 9;
constexpr int CLOCK_PARTS = 3;  // hours:minutes:seconds at the most
constexpr int MOVE_TIME_PARTS = 2, TOTAL_TIME_PARTS = 3;
constexpr int SIXTY = 60;
constexpr int MOVE_TEXT_COLUMNS = 13;  // the time starts in the same column on every line

constexpr std::string_view SAME_SQUARE = "同";
constexpr std::string_view WRITTEN_SAME_SQUARE = "同　";
constexpr std::string_view PROMOTES = "成";
constexpr std::string_view DOES_NOT_PROMOTE = "不成";
constexpr std::string_view DROP = "打";
// Some programs put a side mark in front of the move.
constexpr std::string_view SIDE_MARKS[] = {"▲", "△", "▼", "▽", "☗", "☖"};

// "m:ss" or "h:mm:ss" as seconds: at least `parts` numbers, all but the
// first below sixty.
std::optional<long> takeClock(std::string_view& text, int parts) {
    long value = 0;
    for (int part = 0; part < CLOCK_PARTS; ++part) {
        skipBlanks(text);
        const auto number = takeNumber(text, CLOCK_DIGITS);
        if (!number || (part > 0 && *number >= SIXTY)) return std::nullopt;
        value = value * SIXTY + *number;
        if (!take(text, ":")) return part + 1 >= parts ? std::optional<long>(value) : std::nullopt;
    }
    return std::nullopt;
}

// "( 0:01/00:00:01)"; the total may be missing.
std::optional<MoveTime> parseTime(std::string_view text) {
    MoveTime time;
    if (!take(text, "(")) return std::nullopt;
    const auto seconds = takeClock(text, MOVE_TIME_PARTS);
    if (!seconds) return std::nullopt;
    time.seconds = *seconds;
    if (take(text, "/")) {
        skipBlanks(text);
        if (!text.starts_with(')')) {
            time.total = takeClock(text, TOTAL_TIME_PARTS);
            if (!time.total) return std::nullopt;
        }
    }
    skipBlanks(text);
    return text.starts_with(')') ? std::optional<MoveTime>(time) : std::nullopt;
}

// A file digit and rank written as "(77)"; false when they are not there.
bool takeOrigin(std::string_view& text, NotatedMove& move) {
    if (!take(text, "(")) return false;
    move.fromFile = fileOfDigit(utf8::takeChar(text));
    move.fromRank = fileOfDigit(utf8::takeChar(text));  // the rank is a digit here too
    return move.fromFile != 0 && move.fromRank != 0 && take(text, ")");
}

std::optional<NotatedMove> takeMove(std::string_view& text) {
    NotatedMove move;
    if (take(text, SAME_SQUARE)) {
        move.sameSquare = true;
        skipBlanks(text);
    } else {
        move.toFile = fileOfDigit(utf8::takeChar(text));
        move.toRank = rankOfNumeral(utf8::takeChar(text));
        if (move.toFile == 0 || move.toRank == 0) return std::nullopt;
    }
    move.pieceCode = takeMoveName(text);
    if (move.pieceCode == 0) return std::nullopt;
    if (!take(text, DOES_NOT_PROMOTE)) move.promotes = take(text, PROMOTES);
    move.drop = take(text, DROP);
    if (move.drop ? move.promotes : !takeOrigin(text, move)) return std::nullopt;
    return move;
}

std::string_view takeWord(std::string_view& text) {
    size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t' && !text.substr(end).starts_with("　")) ++end;
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

void skipSideMark(std::string_view& text) {
    for (std::string_view mark : SIDE_MARKS)
        if (take(text, mark)) return;
}

std::string formatClock(long seconds) {
    char text[64];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / (SIXTY * SIXTY), seconds / SIXTY % SIXTY,
                  seconds % SIXTY);
    return text;
}

}  // namespace

bool looksLikeMoveLine(std::string_view line) {
    while (take(line, " ")) {
    }
    if (!takeNumber(line, NUMBER_DIGITS)) return false;
    return line.empty() || line.starts_with(' ') || line.starts_with('\t') || line.starts_with("　");
}

std::optional<MoveLine> parseMoveLine(std::string_view text) {
    MoveLine line;
    skipBlanks(text);
    const auto number = takeNumber(text, NUMBER_DIGITS);
    const size_t before = text.size();
    skipBlanks(text);
    if (!number || text.size() == before) return std::nullopt;
    line.number = static_cast<int>(*number);
    skipSideMark(text);
    std::string_view afterWord = text;
    if (const auto ending = endingOfWord(takeWord(afterWord))) {
        line.ending = ending;
        text = afterWord;
    } else {
        line.move = takeMove(text);
        if (!line.move) return std::nullopt;
    }
    skipBlanks(text);
    line.time = parseTime(text);
    return line;
}

std::string moveText(const Move& m, bool sameSquare) {
    std::string text;
    if (sameSquare) {
        text = WRITTEN_SAME_SQUARE;
    } else {
        text = fileDigit(fileOfColumn(m.toX));
        text += rankNumeral(m.toY);
    }
    text += moveName(m.movedPiece);
    if (piece::isDropSource(m.fromX)) return text + std::string(DROP);
    if (m.placedPiece != m.movedPiece) text += PROMOTES;
    return text + "(" + std::to_string(fileOfColumn(m.fromX)) + std::to_string(m.fromY) + ")";
}

std::string formatMoveLine(int number, std::string_view text, long seconds, long total) {
    char head[32];
    std::snprintf(head, sizeof head, "%4d ", number);
    const int padding = std::max(1, MOVE_TEXT_COLUMNS - utf8::displayWidth(text));
    char time[64];
    std::snprintf(time, sizeof time, "(%2ld:%02ld/", seconds / SIXTY, seconds % SIXTY);
    return head + std::string(text) + std::string(static_cast<size_t>(padding), ' ') + time + formatClock(total) + ")";
}

}  // namespace kif
