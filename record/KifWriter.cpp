#include "record/KifWriter.h"

#include <algorithm>
#include <vector>

#include "record/Handicaps.h"
#include "record/KifDateTime.h"
#include "record/KifDiagram.h"
#include "record/KifMoveLine.h"
#include "record/KifWords.h"

namespace kif {
namespace {

constexpr std::string_view COLON = "：";
constexpr std::string_view COMMENT_MARK = "*";
constexpr std::string_view MOVES_TABLE_HEAD = "手数----指手---------消費時間--";
constexpr std::string_view START_TIME_KEY = "開始日時";
constexpr std::string_view HANDICAP_KEY = "手合割";

struct Labels {
    std::string_view lower, upper;
    std::string_view of(Side side) const { return side == Side::Lower ? lower : upper; }
};
constexpr Labels EVEN_LABELS{"先手", "後手"}, HANDICAP_LABELS{"下手", "上手"};

std::string declaration(Format format) {
    return format == Format::Kif ? "#KIF version=2.0 encoding=Shift_JIS" : "#KIF version=2.0 encoding=UTF-8";
}

// A header value on one line: a line break typed into a box would end it.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string field(std::string_view key, const std::string& value) {
    return std::string(key) + std::string(COLON) + oneLine(value);
}

void addComment(std::vector<std::string>& lines, const std::string& comment) {
    if (comment.empty()) return;
    size_t start = 0;
    for (size_t end; (end = comment.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(std::string(COMMENT_MARK) + oneLine(comment.substr(start, end - start)));
    lines.push_back(std::string(COMMENT_MARK) + oneLine(comment.substr(start)));
}

// The game as it is written: a king's capture and the move that allowed it
// give way to the loser's resignation (or, when the record starts with the
// capture, to the winner's claim of the foul).
Game writtenGame(const Game& game) {
    if (game.moves.empty() || !takesKing(game.moves.back())) return game;
    Game written = game;
    const bool allowedInRecord = written.moves.size() >= 2;
    written.moves.resize(allowedInRecord ? written.moves.size() - 2 : 0);
    written.ending = allowedInRecord ? Ending::Resigned : Ending::FoulWin;
    return written;
}

// The total of the side to move when the game ended: its clock after the last move.
long totalAtEnd(const Game& written, const Game& game, Side side) {
    if (!written.moves.empty()) return timeAfter(written.moves.back(), side);
    return game.moves.empty() ? 0 : timeBefore(game.moves.front(), side);
}

std::string closingLine(const Game& written, const Labels& labels) {
    const std::string count = "まで" + std::to_string(written.moves.size()) + "手で";
    const Side next = sideToMoveAtEnd(written);
    const std::string winnerLabel(labels.of(winner(written).value_or(next)));
    const std::string word(endingWord(written.ending));
    switch (written.ending) {
    case Ending::Resigned: return count + winnerLabel + "の勝ち";
    case Ending::TimeUp: return count + "時間切れにより" + winnerLabel + "の勝ち";
    case Ending::FoulWin:
    case Ending::EnteringKing: return count + winnerLabel + "の" + word;
    case Ending::FoulLoss: return count + std::string(labels.of(next)) + "の" + word;
    default: return count + word;
    }
}

void addStart(std::vector<std::string>& lines, const Position& start) {
    if (const auto name = writableHandicapName(start)) {
        lines.push_back(field(HANDICAP_KEY, *name));
        return;
    }
    const std::vector<std::string> diagram = diagramLines(start);
    lines.insert(lines.end(), diagram.begin(), diagram.end());
}

void addMoves(std::vector<std::string>& lines, const Game& written) {
    Side side = written.start.toMove;
    for (size_t i = 0; i < written.moves.size(); ++i) {
        const Move& m = written.moves[i];
        const bool sameSquare = i > 0 && written.moves[i - 1].toX == m.toX && written.moves[i - 1].toY == m.toY;
        const long after = timeAfter(m, side);
        const long seconds = std::max(0L, after - timeBefore(m, side));
        lines.push_back(formatMoveLine(static_cast<int>(i) + 1, moveText(m, sameSquare), seconds, after));
        addComment(lines, m.comment);
        side = opponent(side);
    }
}

}  // namespace

std::optional<std::string> writeKif(const Game& game, Format format) {
    const Game written = writtenGame(game);
    const auto handicap = writableHandicapName(game.start);
    const Labels& labels = handicap && *handicap != EVEN_GAME ? HANDICAP_LABELS : EVEN_LABELS;

    std::vector<std::string> lines{declaration(format)};
    if (game.startTime) lines.push_back(field(START_TIME_KEY, formatDateTime(*game.startTime)));
    for (const HeaderField& f : game.otherFields) lines.push_back(field(oneLine(f.key), f.value));
    addStart(lines, game.start);
    lines.push_back(field(labels.lower, game.lowerPlayer));
    lines.push_back(field(labels.upper, game.upperPlayer));
    lines.emplace_back(MOVES_TABLE_HEAD);
    addComment(lines, game.startComment);
    addMoves(lines, written);
    if (written.ending != Ending::None) {
        const Side next = sideToMoveAtEnd(written);
        lines.push_back(formatMoveLine(static_cast<int>(written.moves.size()) + 1, endingWord(written.ending), 0,
                                       totalAtEnd(written, game, next)));
        lines.push_back(closingLine(written, labels));
    }
    return encodeLines(lines, format);
}

}  // namespace kif
