#include "record/KifReader.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "game/PieceCode.h"
#include "record/Handicaps.h"
#include "record/KifDateTime.h"
#include "record/KifDiagram.h"
#include "record/KifMoveLine.h"
#include "record/KifText.h"
#include "record/StandardReplay.h"

namespace kif {
namespace {

constexpr std::string_view FILE_COMMENT = "#", COMMENT_MARK = "*", BOOKMARK = "&", CLOSING_LINE = "まで";
constexpr std::string_view BRANCH = "変化";
constexpr std::string_view MOVES_TABLE_HEAD = "手数-";
constexpr std::string_view ROW_EDGE = "|";
constexpr std::string_view COLONS[] = {"：", ":"};
constexpr std::string_view LOWER_PLAYER_KEYS[] = {"先手", "下手"};
constexpr std::string_view UPPER_PLAYER_KEYS[] = {"後手", "上手"};
constexpr std::string_view START_TIME_KEY = "開始日時", HANDICAP_KEY = "手合割";
constexpr std::string_view DIAGRAM_FOLLOWS = "その他";  // 手合割 of a start given by a diagram

template <size_t N>
bool isOneOf(std::string_view text, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), text) != std::end(words);
}

// "key：value" with a key of no blanks; nothing for any other line.
std::optional<HeaderField> parseHeaderField(std::string_view line) {
    size_t colon = std::string_view::npos, colonSize = 0;
    for (std::string_view c : COLONS)
        if (const size_t at = line.find(c); at < colon) colon = at, colonSize = c.size();
    if (colon == 0 || colon == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, colon);
    if (key.find_first_of(" \t") != std::string_view::npos || key.find("　") != std::string_view::npos)
        return std::nullopt;
    return HeaderField{std::string(key), std::string(trimBlanks(line.substr(colon + colonSize)))};
}

bool isBranchLine(std::string_view line) {
    skipBlanks(line);
    if (!take(line, BRANCH)) return false;
    for (std::string_view c : COLONS)
        if (line.starts_with(c)) return true;
    return false;
}

Side moverOf(const Position& start, size_t index) { return index % 2 == 0 ? start.toMove : opponent(start.toMove); }

class Reader {
public:
    ReadResult read(const std::vector<std::string>& lines);

private:
    enum class Phase { Header, Moves, Ended };

    std::optional<ReadError> headerLine(std::string_view line, int number);
    std::optional<ReadError> headerField(const HeaderField& field, int number);
    std::optional<ReadError> startMoves();
    std::optional<ReadError> movesLine(std::string_view line, int number);
    std::optional<Move> moveOf(const NotatedMove& notated) const;
    void addComment(std::string_view text);
    void fillTimes();

    Phase phase = Phase::Header;
    Game game;
    // The start as the header describes it.
    Position diagram;
    int diagramRows = 0;
    std::optional<Position> named;  // by 手合割
    bool diagramNamed = false;      // 手合割：その他
    Position listedHands;           // the hands the header lists
    std::optional<Side> turn;
    int positionLine = 0;  // the first line that describes the start
    std::optional<StandardReplay> replay;
    std::vector<std::optional<MoveTime>> times;
    std::optional<MoveTime> endTime;  // the time on the line that ends the game
};

ReadResult Reader::read(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = lines[i];
        if (trimBlanks(line).empty() || line.starts_with(FILE_COMMENT) || line.starts_with(BOOKMARK) ||
            line.starts_with(CLOSING_LINE) || line.starts_with(MOVES_TABLE_HEAD))
            continue;
        if (line.starts_with(COMMENT_MARK)) {
            addComment(line.substr(COMMENT_MARK.size()));
            continue;
        }
        // A branch: what follows belongs to another line of play, the main line is kept.
        if (isBranchLine(line)) {
            if (phase == Phase::Header) continue;
            break;
        }
        std::optional<ReadError> error;
        if (phase == Phase::Header && (isDiagramFrame(line) || !looksLikeMoveLine(line))) {
            error = headerLine(line, number);
        } else {
            if (phase == Phase::Header) error = startMoves();
            if (!error) error = movesLine(line, number);
        }
        if (error) return *error;
    }
    if (phase == Phase::Header)
        if (const auto error = startMoves()) return *error;
    fillTimes();
    return game;
}

std::optional<ReadError> Reader::headerLine(std::string_view line, int number) {
    const bool frame = isDiagramFrame(line), row = line.starts_with(ROW_EDGE);
    std::string_view handText = line;
    const std::optional<Side> handSide = takeHandLineSide(handText);
    const std::optional<Side> turnSide = turnLineSide(line);
    if ((frame || row || handSide || turnSide) && positionLine == 0) positionLine = number;
    const ReadError malformed{Problem::Malformed, number};

    if (frame) return std::nullopt;
    if (row) {
        if (diagramRows == BOARD_SIZE || !readBoardRow(line, diagramRows + 1, diagram)) return malformed;
        ++diagramRows;
        return std::nullopt;
    }
    if (handSide) {
        if (!readHand(handText, listedHands.hand(*handSide))) return malformed;
        return std::nullopt;
    }
    if (turnSide) {
        turn = turnSide;
        return std::nullopt;
    }
    const std::optional<HeaderField> field = parseHeaderField(line);
    if (!field) return malformed;
    return headerField(*field, number);
}

std::optional<ReadError> Reader::headerField(const HeaderField& field, int number) {
    if (isOneOf(field.key, LOWER_PLAYER_KEYS)) {
        game.lowerPlayer = field.value;
    } else if (isOneOf(field.key, UPPER_PLAYER_KEYS)) {
        game.upperPlayer = field.value;
    } else if (field.key == HANDICAP_KEY) {
        if (positionLine == 0) positionLine = number;
        diagramNamed = field.value == DIAGRAM_FOLLOWS;
        named = diagramNamed ? std::nullopt : startOfHandicap(field.value);
        if (!named && !diagramNamed) return ReadError{Problem::UnknownHandicap, number};
    } else if (const auto time = field.key == START_TIME_KEY ? parseDateTime(field.value) : std::nullopt) {
        game.startTime = time;
    } else {
        game.otherFields.push_back(field);
    }
    return std::nullopt;
}

// The header is complete: its start is the diagram, else the named start, else
// the even one, with the hands listed and the side to move.
std::optional<ReadError> Reader::startMoves() {
    phase = Phase::Moves;
    const ReadError bad{Problem::BadPosition, positionLine};
    Position start;
    if (diagramRows > 0) {
        if (diagramRows != BOARD_SIZE) return bad;
        start = diagram;
        // A handicap's diagram without a turn line: the giver moves first.
        start.toMove = named && named->toMove == Side::Upper ? Side::Upper : Side::Lower;
    } else if (diagramNamed) {
        return bad;
    } else {
        start = named.value_or(evenStart());
    }
    for (const Side side : {Side::Lower, Side::Upper})
        for (int k = 1; k <= HAND_KINDS; ++k) start.hand(side)[k] += listedHands.hand(side)[k];
    if (turn) start.toMove = *turn;
    if (!isSoundStart(start)) return bad;
    game.start = start;
    replay.emplace(start);
    return std::nullopt;
}

std::optional<ReadError> Reader::movesLine(std::string_view line, int number) {
    const std::optional<MoveLine> parsed = parseMoveLine(line);
    if (!parsed || phase == Phase::Ended || parsed->number != static_cast<int>(game.moves.size()) + 1)
        return ReadError{Problem::Malformed, number};
    if (parsed->ending) {
        game.ending = *parsed->ending;
        endTime = parsed->time;
        phase = Phase::Ended;
        return std::nullopt;
    }
    if (static_cast<int>(game.moves.size()) == MAX_MOVES) return ReadError{Problem::TooManyMoves, number};
    std::optional<Move> move = moveOf(*parsed->move);
    if (!move || !replay->play(*move)) return ReadError{Problem::IllegalMove, number};
    game.moves.push_back(*move);
    times.push_back(parsed->time);
    return std::nullopt;
}

// The move in the game's terms, for the side to move; nothing for 同 with no
// move before it.
std::optional<Move> Reader::moveOf(const NotatedMove& n) const {
    Move m;
    const Side side = replay->position().toMove;
    if (n.sameSquare) {
        if (game.moves.empty()) return std::nullopt;
        m.toX = game.moves.back().toX;
        m.toY = game.moves.back().toY;
    } else {
        m.toX = columnOfFile(n.toFile);
        m.toY = n.toRank;
    }
    m.movedPiece = n.pieceCode * signOf(side);
    if (n.drop) {
        const int k = piece::handIndex(n.pieceCode);
        m.fromX = side == Side::Lower ? Vocabulary::LOWER_STAND_X : Vocabulary::UPPER_STAND_X;
        m.fromY = side == Side::Lower ? piece::lowerStandRow(k) : k;
        m.placedPiece = m.movedPiece;
    } else {
        m.fromX = columnOfFile(n.fromFile);
        m.fromY = n.fromRank;
        m.placedPiece = n.promotes ? piece::promoted(m.movedPiece) : m.movedPiece;
    }
    return m;
}

void Reader::addComment(std::string_view text) {
    std::string& comment = game.moves.empty() ? game.startComment : game.moves.back().comment;
    if (!comment.empty()) comment += '\n';
    comment += text;
}

// Both clocks at every move. A line gives the mover's time and total; the
// other side's clock stands where its own last move left it, and before its
// first move where that move started from. A side that makes no move has its
// clock on the end line, when it is the one to end the game.
void Reader::fillTimes() {
    long lowerTotal = 0, upperTotal = 0;
    for (size_t i = 0; i < game.moves.size(); ++i) {
        const Side mover = moverOf(game.start, i);
        long& total = mover == Side::Lower ? lowerTotal : upperTotal;
        const long seconds = times[i] ? times[i]->seconds : 0;
        total = times[i] && times[i]->total ? *times[i]->total : total + seconds;
        timeAfter(game.moves[i], mover) = total;
        timeBefore(game.moves[i], mover) = std::max(0L, total - seconds);
    }
    for (const Side side : {Side::Lower, Side::Upper}) {
        long clock = 0;
        if (endTime && endTime->total && sideToMoveAtEnd(game) == side)
            clock = std::max(0L, *endTime->total - endTime->seconds);
        for (size_t i = 0; i < game.moves.size(); ++i)
            if (moverOf(game.start, i) == side) {
                clock = timeBefore(game.moves[i], side);
                break;
            }
        for (size_t i = 0; i < game.moves.size(); ++i) {
            if (moverOf(game.start, i) == side) {
                clock = timeAfter(game.moves[i], side);
            } else {
                timeBefore(game.moves[i], side) = clock;
                timeAfter(game.moves[i], side) = clock;
            }
        }
    }
}

}  // namespace

ReadResult readKif(std::string_view bytes, Format format) {
    if (bytes.size() > MAX_FILE_BYTES) return ReadError{Problem::TooLarge, 0};
    const DecodedLines decoded = decodeLines(bytes, format);
    if (decoded.unreadableLine != 0) return ReadError{Problem::Unreadable, decoded.unreadableLine};
    return Reader().read(decoded.lines);
}

std::string messageOf(const ReadError& error) {
    const std::string line = "棋譜ﾌｧｲﾙの " + std::to_string(error.line) + " 行目";
    switch (error.problem) {
    case Problem::TooLarge: return "棋譜ﾌｧｲﾙが大きすぎます";
    case Problem::Unreadable: return line + "が読めません";
    case Problem::Malformed: return line + "が正しくありません";
    case Problem::UnknownHandicap: return line + "の手合割が分かりません";
    case Problem::BadPosition: return line + "の局面が正しくありません";
    case Problem::IllegalMove: return line + "の指し手は指せません";
    case Problem::TooManyMoves: return line + "で" + std::to_string(MAX_MOVES) + "手を超えています";
    }
    return line + "が正しくありません";
}

}  // namespace kif
