#include "record/KifuFormat.h"

#include <cstdio>

#include "game/InitialPosition.h"
#include "game/PieceCode.h"

namespace kifu {
namespace {

// One right-aligned number of `width` columns starting at `start`.
bool parseField(const std::string& line, size_t start, size_t width, long& value) {
    size_t i = start;
    const size_t end = start + width;
    while (i < end && line[i] == ' ') ++i;
    bool negative = false;
    if (i < end && line[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == end) return false;
    long v = 0;
    for (; i < end; ++i) {
        if (line[i] < '0' || line[i] > '9') return false;
        v = v * 10 + (line[i] - '0');
    }
    value = negative ? -v : v;
    return true;
}

bool validTime(long t) { return t >= 0 && t <= TIME_FIELD_MAX; }

}  // namespace

long fileSeconds(double seconds) {
    if (!(seconds > 0)) return 0;
    if (seconds >= TIME_FIELD_MAX) return TIME_FIELD_MAX;
    return static_cast<long>(seconds);
}

std::string format(const MoveLine& m) {
    char line[64];
    std::snprintf(line, sizeof line, "%2d%1d%1d%1d%4d%4d%4d%5ld%5ld%5ld%5ld", m.fromX, m.fromY, m.toX, m.toY,
                  m.placedPiece, m.movedPiece, m.capturedPiece, m.lowerTimeBefore, m.lowerTimeAfter,
                  m.upperTimeBefore, m.upperTimeAfter);
    return line;
}

bool parse(const std::string& line, MoveLine& m) {
    if (line.size() != MOVE_LINE_LENGTH) return false;
    long fields[11];
    static constexpr size_t START[11] = {0, 2, 3, 4, 5, 9, 13, 17, 22, 27, 32};
    static constexpr size_t WIDTH[11] = {2, 1, 1, 1, 4, 4, 4, 5, 5, 5, 5};
    for (int i = 0; i < 11; ++i)
        if (!parseField(line, START[i], WIDTH[i], fields[i])) return false;
    m.fromX = static_cast<int>(fields[0]);
    m.fromY = static_cast<int>(fields[1]);
    m.toX = static_cast<int>(fields[2]);
    m.toY = static_cast<int>(fields[3]);
    m.placedPiece = static_cast<int>(fields[4]);
    m.movedPiece = static_cast<int>(fields[5]);
    m.capturedPiece = static_cast<int>(fields[6]);
    m.lowerTimeBefore = fields[7];
    m.lowerTimeAfter = fields[8];
    m.upperTimeBefore = fields[9];
    m.upperTimeAfter = fields[10];
    using V = Vocabulary;
    const bool lowerDrop = m.fromX == V::LOWER_STAND_X && m.fromY >= piece::lowerStandRow(V::HAND_PAWN) &&
                           m.fromY <= piece::lowerStandRow(V::HAND_ROOK);
    const bool upperDrop = m.fromX == V::UPPER_STAND_X && m.fromY >= piece::upperStandRow(V::HAND_ROOK) &&
                           m.fromY <= piece::upperStandRow(V::HAND_PAWN);
    return (V::onBoard(m.fromX, m.fromY) || lowerDrop || upperDrop) && V::onBoard(m.toX, m.toY) &&
           piece::isBoardCode(m.movedPiece) && piece::isBoardCode(m.placedPiece) &&
           (m.capturedPiece == Vocabulary::EMPTY || piece::isBoardCode(m.capturedPiece)) && validTime(m.lowerTimeBefore) &&
           validTime(m.lowerTimeAfter) && validTime(m.upperTimeBefore) && validTime(m.upperTimeAfter);
}

int firstInconsistentMove(const std::vector<MoveLine>& moves) {
    int board[10][10] = {};
    int hand[2][Vocabulary::HAND_KINDS + 1] = {};  // [0] lower, [1] upper
    for (int x = 1; x <= Vocabulary::boardSize; ++x)
        for (int y = 1; y <= Vocabulary::boardSize; ++y) board[x][y] = INITIAL_POSITION[y - 1][x - 1];

    bool upperToMove = !moves.empty() && piece::isUpper(moves[0].movedPiece);
    bool kingTaken = false;
    for (size_t i = 0; i < moves.size(); ++i) {
        const MoveLine& m = moves[i];
        const int bad = static_cast<int>(i) + 1;
        if (kingTaken) return bad;  // taking a king ends the game
        const int moved = m.movedPiece;
        if (piece::isUpper(moved) != upperToMove) return bad;
        const int side = upperToMove ? 1 : 0;
        const bool drop = piece::isDropSource(m.fromX);
        if (drop) {
            const int k = piece::handIndex(moved);
            // The upper side's drop names its source row two ways: the computer
            // records the hand index, a person the stand row clicked (8 - k).
            const bool fromStand = upperToMove ? m.fromX == Vocabulary::UPPER_STAND_X &&
                                                     (m.fromY == k || m.fromY == piece::upperStandRow(k))
                                               : m.fromX == Vocabulary::LOWER_STAND_X && m.fromY == piece::lowerStandRow(k);
            if (!fromStand || !piece::isHandKind(moved)) return bad;
            if (hand[side][k] <= 0 || m.placedPiece != moved) return bad;
        } else {
            if (board[m.fromX][m.fromY] != moved) return bad;
            const bool promotes = piece::canPromote(moved) && m.placedPiece == piece::promoted(moved);
            if (m.placedPiece != moved && !promotes) return bad;
        }
        const int target = board[m.toX][m.toY];
        if (m.capturedPiece != target || (drop && target != Vocabulary::EMPTY)) return bad;
        if (target != Vocabulary::EMPTY && piece::isUpper(target) == upperToMove) return bad;
        kingTaken = piece::abs(target) == Vocabulary::KING;

        if (drop)
            hand[side][piece::handIndex(moved)] -= 1;
        else
            board[m.fromX][m.fromY] = Vocabulary::EMPTY;
        if (const int k = piece::handIndex(target); k != 0) hand[side][k] += 1;
        board[m.toX][m.toY] = m.placedPiece;
        upperToMove = !upperToMove;
    }
    return 0;
}

}  // namespace kifu
