#include "record/Handicaps.h"

#include <initializer_list>

#include "game/InitialPosition.h"

namespace kif {
namespace {

struct Square {
    int x, y;
};

// The upper side's pieces in the even start, by the square they stand on. Left
// and right are the giver's, facing down the board: its left lance stands on
// file １ (x = 9).
constexpr Square LEFT_LANCE{9, 1}, RIGHT_LANCE{1, 1}, LEFT_KNIGHT{8, 1}, RIGHT_KNIGHT{2, 1}, LEFT_SILVER{7, 1},
    RIGHT_SILVER{3, 1}, LEFT_GOLD{6, 1}, RIGHT_GOLD{4, 1}, BISHOP{8, 2}, ROOK{2, 2};

struct Handicap {
    std::string_view name;
    std::initializer_list<Square> removed;
    bool commonlyKnown;  // read by every common KIF reader, so it may be written by name
};

const Handicap HANDICAPS[] = {
    {"香落ち", {LEFT_LANCE}, true},
    {"右香落ち", {RIGHT_LANCE}, true},
    {"角落ち", {BISHOP}, true},
    {"飛車落ち", {ROOK}, true},
    {"飛香落ち", {ROOK, LEFT_LANCE}, true},
    {"二枚落ち", {ROOK, BISHOP}, true},
    {"三枚落ち", {ROOK, BISHOP, LEFT_LANCE}, false},
    {"四枚落ち", {ROOK, BISHOP, LEFT_LANCE, RIGHT_LANCE}, true},
    {"五枚落ち", {ROOK, BISHOP, LEFT_LANCE, RIGHT_LANCE, RIGHT_KNIGHT}, false},
    {"左五枚落ち", {ROOK, BISHOP, LEFT_LANCE, RIGHT_LANCE, LEFT_KNIGHT}, false},
    {"六枚落ち", {ROOK, BISHOP, LEFT_LANCE, RIGHT_LANCE, LEFT_KNIGHT, RIGHT_KNIGHT}, true},
    {"左七枚落ち", {ROOK, BISHOP, LEFT_LANCE, RIGHT_LANCE, LEFT_KNIGHT, RIGHT_KNIGHT, LEFT_SILVER}, false},
    {"右七枚落ち", {ROOK, BISHOP, LEFT_LANCE, RIGHT_LANCE, LEFT_KNIGHT, RIGHT_KNIGHT, RIGHT_SILVER}, false},
    {"八枚落ち", {ROOK, BISHOP, LEFT_LANCE, RIGHT_LANCE, LEFT_KNIGHT, RIGHT_KNIGHT, LEFT_SILVER, RIGHT_SILVER}, true},
    {"十枚落ち",
     {ROOK, BISHOP, LEFT_LANCE, RIGHT_LANCE, LEFT_KNIGHT, RIGHT_KNIGHT, LEFT_SILVER, RIGHT_SILVER, LEFT_GOLD,
      RIGHT_GOLD},
     true},
};

Position startOf(const Handicap& handicap) {
    Position p = evenStart();
    for (const Square& s : handicap.removed) p.board[s.x][s.y] = 0;
    p.toMove = Side::Upper;  // the giver moves first
    return p;
}

}  // namespace

Position evenStart() {
    Position p;
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) p.board[x][y] = INITIAL_POSITION[y - 1][x - 1];
    return p;
}

std::optional<Position> startOfHandicap(std::string_view name) {
    if (name == EVEN_GAME) return evenStart();
    for (const Handicap& h : HANDICAPS)
        if (h.name == name) return startOf(h);
    return std::nullopt;
}

std::optional<std::string> writableHandicapName(const Position& position) {
    if (position == evenStart()) return std::string(EVEN_GAME);
    for (const Handicap& h : HANDICAPS)
        if (h.commonlyKnown && position == startOf(h)) return std::string(h.name);
    return std::nullopt;
}

}  // namespace kif
