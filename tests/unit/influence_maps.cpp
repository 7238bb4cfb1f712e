// The influence survey on small hand-made positions: what each kind of piece
// writes into the maps, the tie rules, check marks, and the maps that keep
// values from earlier surveys.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>
#include <vector>

#include "tests/support/TestForm.h"

namespace {

using F = Form1;

// A map of the form, with the value that means "nothing recorded" (for the
// maps the survey never resets: their value on a fresh form).
struct MapRef {
    int (Form1::*member)[10][10];
    const char* name;
    int blank;
};
const MapRef lowerInfluence{&F::lowerInfluence, "lowerInfluence", 0};
const MapRef upperInfluence{&F::upperInfluence, "upperInfluence", 0};
const MapRef lowerDefender{&F::lowerDefender, "lowerDefender", 999};
const MapRef upperDefender{&F::upperDefender, "upperDefender", 999};
const MapRef upperDefenderX{&F::upperDefenderX, "upperDefenderX", 0};
const MapRef upperDefenderY{&F::upperDefenderY, "upperDefenderY", 0};
const MapRef lowerAttacker{&F::lowerAttacker, "lowerAttacker", -999};
const MapRef lowerAttackerX{&F::lowerAttackerX, "lowerAttackerX", 0};
const MapRef lowerAttackerY{&F::lowerAttackerY, "lowerAttackerY", 0};
const MapRef upperAttacker{&F::upperAttacker, "upperAttacker", 999};
const MapRef upperAttackerX{&F::upperAttackerX, "upperAttackerX", 0};
const MapRef upperAttackerY{&F::upperAttackerY, "upperAttackerY", 0};
const MapRef lowerCheckMap{&F::lowerCheckMap, "lowerCheckMap", 0};
const MapRef upperCheckMap{&F::upperCheckMap, "upperCheckMap", 0};

struct Placed {
    int code, x, y;
};
struct Value {
    int x, y, value;
};
struct Expect {
    MapRef map;
    std::vector<Value> values;
    bool restBlank;  // every square not listed holds the map's blank value
};
// The listed squares hold these values and every other square is blank.
Expect only(const MapRef& map, std::vector<Value> values) { return {map, std::move(values), true}; }
// The listed squares hold these values; nothing said about the others.
Expect at(const MapRef& map, std::vector<Value> values) { return {map, std::move(values), false}; }
// Shorthand for a set of squares that all hold the same value.
std::vector<Value> all(int value, std::initializer_list<std::pair<int, int>> squares) {
    std::vector<Value> values;
    for (auto [x, y] : squares) values.push_back({x, y, value});
    return values;
}

struct Case {
    const char* name;
    std::vector<Placed> pieces;
    std::vector<Expect> expect;
    std::vector<Placed> before = {};  // surveyed first, when given
};

void survey(TestForm& t, const std::vector<Placed>& pieces) {
    t.position("9/9/9/9/9/9/9/9/9 b - 1");
    for (const Placed& p : pieces) t.form.board[p.x][p.y] = p.code;
    t.form.勢力調査();
}

void check(const Case& c) {
    SCOPED_TRACE(c.name);
    TestForm t;
    if (!c.before.empty()) survey(t, c.before);
    survey(t, c.pieces);
    for (const Expect& e : c.expect) {
        const auto& map = t.form.*e.map.member;
        for (const Value& v : e.values)
            EXPECT_EQ(map[v.x][v.y], v.value) << e.map.name << " at (" << v.x << ", " << v.y << ")";
        if (!e.restBlank) continue;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                bool listed = false;
                for (const Value& v : e.values) listed = listed || (v.x == x && v.y == y);
                if (!listed) {
                    EXPECT_EQ(map[x][y], e.map.blank) << e.map.name << " at (" << x << ", " << y << ")";
                }
            }
    }
}

void checkAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) check(c);
}

// Everything a bishop on (5, 5) of an empty board reaches.
const std::initializer_list<std::pair<int, int>> DIAGONALS_OF_55 = {{4, 4}, {3, 3}, {2, 2}, {1, 1}, {6, 4}, {7, 3},
                                                                    {8, 2}, {9, 1}, {4, 6}, {3, 7}, {2, 8}, {1, 9},
                                                                    {6, 6}, {7, 7}, {8, 8}, {9, 9}};
const std::initializer_list<std::pair<int, int>> LINES_OF_55 = {{5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 6}, {5, 7},
                                                                {5, 8}, {5, 9}, {1, 5}, {2, 5}, {3, 5}, {4, 5},
                                                                {6, 5}, {7, 5}, {8, 5}, {9, 5}};

std::vector<Value> join(std::vector<Value> a, const std::vector<Value>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(InfluencePawnAndLance, MapValues) {
    checkAll({
        {"lower pawn attacks the square ahead",
         {{F::LOWER_PAWN, 5, 5}},
         {only(lowerInfluence, {{5, 4, 1}}), only(upperInfluence, {})}},
        {"lower pawn on row 1 records nothing", {{F::LOWER_PAWN, 3, 1}}, {only(lowerInfluence, {})}},
        {"upper pawn attacks the square below", {{F::UPPER_PAWN, 5, 5}}, {only(upperInfluence, {{5, 6, 1}})}},
        {"upper pawn on row 9 records nothing", {{F::UPPER_PAWN, 3, 9}}, {only(upperInfluence, {})}},
        {"upper pawn threatens without coordinates",
         {{F::UPPER_PAWN, 5, 4}, {F::LOWER_SILVER, 5, 5}},
         {only(upperAttacker, {{5, 5, 10}}), only(upperAttackerX, {}), only(upperAttackerY, {})}},
        {"upper pawn guards without coordinates",
         {{F::UPPER_PAWN, 5, 4}, {F::UPPER_SILVER, 5, 5}},
         {only(upperDefender, {{5, 5, 10}}), only(upperDefenderX, {}), only(upperDefenderY, {})}},
        {"upper pawn checks the lower king",
         {{F::UPPER_PAWN, 5, 4}, {F::LOWER_KING, 5, 5}},
         {only(upperCheckMap, {{5, 4, 9}}), only(upperAttacker, {{5, 5, 10}})}},
        {"lower pawn checks the upper king",
         {{F::LOWER_PAWN, 5, 5}, {F::UPPER_KING, 5, 4}},
         {only(lowerCheckMap, {{5, 5, 9}}), only(lowerAttacker, {{5, 4, -10}}), only(lowerAttackerX, {{5, 4, 5}}),
          only(lowerAttackerY, {{5, 4, 5}})}},
        {"lower lance on row 1 records nothing", {{F::LOWER_LANCE, 4, 1}}, {only(lowerInfluence, {})}},
        {"upper lance on row 9 records nothing", {{F::UPPER_LANCE, 4, 9}}, {only(upperInfluence, {})}},
        {"lower lance runs to row 1",
         {{F::LOWER_LANCE, 5, 5}},
         {only(lowerInfluence, all(1, {{5, 4}, {5, 3}, {5, 2}, {5, 1}}))}},
        {"upper lance checks through the lower king up to the gold behind it",
         {{F::UPPER_LANCE, 7, 1}, {F::LOWER_KING, 7, 6}, {F::LOWER_GOLD, 7, 8}},
         {only(upperCheckMap, join({{7, 1, 9}}, all(1, {{7, 2}, {7, 3}, {7, 4}, {7, 5}}))),
          only(upperInfluence, all(1, {{7, 2}, {7, 3}, {7, 4}, {7, 5}, {7, 6}, {7, 7}, {7, 8}})),
          only(upperAttacker, {{7, 6, 20}, {7, 8, 20}}), only(upperAttackerX, {{7, 6, 7}, {7, 8, 7}}),
          only(upperAttackerY, {{7, 6, 1}, {7, 8, 1}})}},
    });
}

TEST(InfluenceKnight, MapValues) {
    checkAll({
        {"lower knight jumps two ahead", {{F::LOWER_KNIGHT, 5, 5}}, {only(lowerInfluence, all(1, {{4, 3}, {6, 3}}))}},
        {"lower knight on row 2 records nothing", {{F::LOWER_KNIGHT, 5, 2}}, {only(lowerInfluence, {})}},
        {"lower knight on row 1 records nothing", {{F::LOWER_KNIGHT, 5, 1}}, {only(lowerInfluence, {})}},
        {"lower knight on the left edge jumps right only",
         {{F::LOWER_KNIGHT, 1, 3}},
         {only(lowerInfluence, {{2, 1, 1}})}},
        {"upper knight on row 8 records nothing", {{F::UPPER_KNIGHT, 5, 8}}, {only(upperInfluence, {})}},
        {"upper knight on row 9 records nothing", {{F::UPPER_KNIGHT, 5, 9}}, {only(upperInfluence, {})}},
        {"upper knight on the right edge jumps left only",
         {{F::UPPER_KNIGHT, 9, 7}},
         {only(upperInfluence, {{8, 9, 1}})}},
        {"lower knight check marks the knight and the king",
         {{F::LOWER_KNIGHT, 4, 7}, {F::UPPER_KING, 3, 5}},
         {only(lowerCheckMap, {{4, 7, 9}, {3, 5, 9}}), at(lowerAttacker, {{3, 5, -30}})}},
        {"upper knight check marks the knight and the king; no threat",
         {{F::UPPER_KNIGHT, 4, 3}, {F::LOWER_KING, 3, 5}},
         {only(upperCheckMap, {{4, 3, 9}, {3, 5, 9}}), only(upperAttacker, {})}},
        {"upper knight guards with coordinates",
         {{F::UPPER_KNIGHT, 4, 3}, {F::UPPER_PAWN, 5, 5}},
         {only(upperDefender, {{5, 5, 30}}), only(upperDefenderX, {{5, 5, 4}}), only(upperDefenderY, {{5, 5, 3}})}},
    });
}

TEST(InfluenceSilver, MapValues) {
    checkAll({
        {"lower silver",
         {{F::LOWER_SILVER, 5, 5}},
         {only(lowerInfluence, all(1, {{5, 4}, {4, 4}, {6, 4}, {4, 6}, {6, 6}}))}},
        {"lower silver on row 1 reaches only its back diagonals",
         {{F::LOWER_SILVER, 5, 1}},
         {only(lowerInfluence, all(1, {{4, 2}, {6, 2}}))}},
        {"lower silver in the corner", {{F::LOWER_SILVER, 9, 9}}, {only(lowerInfluence, all(1, {{9, 8}, {8, 8}}))}},
        {"upper silver",
         {{F::UPPER_SILVER, 5, 5}},
         {only(upperInfluence, all(1, {{5, 6}, {4, 6}, {6, 6}, {4, 4}, {6, 4}}))}},
        {"upper silver on row 9 reaches only its back diagonals",
         {{F::UPPER_SILVER, 5, 9}},
         {only(upperInfluence, all(1, {{4, 8}, {6, 8}}))}},
        {"upper silver counts but records no threat",
         {{F::UPPER_SILVER, 5, 4}, {F::LOWER_PAWN, 5, 5}},
         {at(upperInfluence, {{5, 5, 1}}), only(upperAttacker, {})}},
        {"upper silver guards with coordinates",
         {{F::UPPER_SILVER, 4, 4}, {F::UPPER_PAWN, 5, 5}},
         {only(upperDefender, {{5, 5, 100}}), only(upperDefenderX, {{5, 5, 4}}), only(upperDefenderY, {{5, 5, 4}})}},
        {"upper silver checks", {{F::UPPER_SILVER, 5, 4}, {F::LOWER_KING, 5, 5}}, {only(upperCheckMap, {{5, 4, 9}})}},
    });
}

TEST(InfluenceGoldMovers, MapValues) {
    std::vector<Case> cases{
        {"lower gold in the corner", {{F::LOWER_GOLD, 1, 1}}, {only(lowerInfluence, all(1, {{1, 2}, {2, 1}}))}},
        {"upper gold in the corner", {{F::UPPER_GOLD, 9, 9}}, {only(upperInfluence, all(1, {{9, 8}, {8, 9}}))}},
        {"lower promoted silver threatens with its own code",
         {{F::LOWER_PROMOTED_SILVER, 5, 5}, {F::UPPER_PAWN, 5, 4}},
         {only(lowerInfluence, all(1, {{5, 4}, {4, 4}, {6, 4}, {5, 6}, {4, 5}, {6, 5}})),
          only(lowerAttacker, {{5, 4, -101}}), only(lowerAttackerX, {{5, 4, 5}}), only(lowerAttackerY, {{5, 4, 5}})}},
        {"lower gold checks", {{F::LOWER_GOLD, 4, 6}, {F::UPPER_KING, 5, 5}}, {only(lowerCheckMap, {{4, 6, 9}})}},
        {"upper gold-mover checks but records no threat",
         {{F::UPPER_PROMOTED_SILVER, 5, 4}, {F::LOWER_KING, 5, 5}},
         {only(upperCheckMap, {{5, 4, 9}}), only(upperAttacker, {})}},
    };
    for (int code :
         {F::LOWER_TOKIN, F::LOWER_PROMOTED_LANCE, F::LOWER_PROMOTED_KNIGHT, F::LOWER_PROMOTED_SILVER, F::LOWER_GOLD}) {
        cases.push_back({"lower gold-mover on (5, 5)",
                         {{code, 5, 5}},
                         {only(lowerInfluence, all(1, {{5, 4}, {4, 4}, {6, 4}, {5, 6}, {4, 5}, {6, 5}}))}});
        cases.push_back({"lower gold-mover guards with its own code",
                         {{code, 5, 6}, {F::LOWER_PAWN, 5, 5}},
                         {only(lowerDefender, {{5, 5, code}})}});
    }
    for (int code :
         {F::UPPER_TOKIN, F::UPPER_PROMOTED_LANCE, F::UPPER_PROMOTED_KNIGHT, F::UPPER_PROMOTED_SILVER, F::UPPER_GOLD}) {
        cases.push_back({"upper gold-mover on (5, 5)",
                         {{code, 5, 5}},
                         {only(upperInfluence, all(1, {{5, 4}, {5, 6}, {4, 6}, {6, 6}, {4, 5}, {6, 5}}))}});
        cases.push_back({"upper gold-mover guards as a gold, without coordinates",
                         {{code, 5, 4}, {F::UPPER_SILVER, 5, 5}},
                         {only(upperDefender, {{5, 5, 110}}), only(upperDefenderX, {}), only(upperDefenderY, {})}});
    }
    checkAll(cases);
}

TEST(InfluenceKing, MapValues) {
    checkAll({
        {"lower king",
         {{F::LOWER_KING, 5, 5}},
         {only(lowerInfluence, all(1, {{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {4, 6}, {5, 6}, {6, 6}}))}},
        {"upper king in the corner", {{F::UPPER_KING, 1, 1}}, {only(upperInfluence, all(1, {{2, 1}, {1, 2}, {2, 2}}))}},
        {"lower king threatens with coordinates",
         {{F::LOWER_KING, 5, 5}, {F::UPPER_PAWN, 5, 4}},
         {only(lowerAttacker, {{5, 4, -950}}), only(lowerAttackerX, {{5, 4, 5}}), only(lowerAttackerY, {{5, 4, 5}})}},
        {"kings side by side mark no check",
         {{F::LOWER_KING, 5, 5}, {F::UPPER_KING, 5, 4}},
         {only(lowerCheckMap, {}), only(upperCheckMap, {}), only(lowerAttacker, {{5, 4, -950}}),
          only(upperAttacker, {})}},
        {"upper king guards without coordinates",
         {{F::UPPER_KING, 5, 4}, {F::UPPER_PAWN, 5, 5}},
         {only(upperDefender, {{5, 5, 950}}), only(upperDefenderX, {}), only(upperDefenderY, {})}},
    });
}

TEST(InfluenceBishopAndHorse, MapValues) {
    checkAll({
        {"lower bishop on (5, 5) reaches 16 squares",
         {{F::LOWER_BISHOP, 5, 5}},
         {only(lowerInfluence, all(1, DIAGONALS_OF_55))}},
        {"upper bishop in the corner walks one diagonal",
         {{F::UPPER_BISHOP, 9, 9}},
         {only(upperInfluence, all(1, {{8, 8}, {7, 7}, {6, 6}, {5, 5}, {4, 4}, {3, 3}, {2, 2}, {1, 1}}))}},
        {"lower horse adds the four orthogonal steps",
         {{F::LOWER_HORSE, 5, 5}},
         {only(lowerInfluence,
               all(1, {{5, 4}, {5, 6}, {4, 5}, {6, 5}, {4, 4}, {3, 3}, {2, 2}, {1, 1}, {6, 4}, {7, 3},
                       {8, 2}, {9, 1}, {4, 6}, {3, 7}, {2, 8}, {1, 9}, {6, 6}, {7, 7}, {8, 8}, {9, 9}}))}},
        {"lower bishop stops at its own pawn and guards it",
         {{F::LOWER_BISHOP, 5, 5}, {F::LOWER_PAWN, 7, 3}},
         {at(lowerInfluence, {{6, 4, 1}, {7, 3, 1}, {8, 2, 0}}), only(lowerDefender, {{7, 3, -800}})}},
        {"lower horse on a diagonal records as a bishop",
         {{F::LOWER_HORSE, 5, 5}, {F::UPPER_PAWN, 6, 4}},
         {only(lowerAttacker, {{6, 4, -800}}), only(lowerAttackerX, {{6, 4, 5}}), only(lowerAttackerY, {{6, 4, 5}})}},
        {"lower horse on an orthogonal step records as a horse",
         {{F::LOWER_HORSE, 5, 5}, {F::UPPER_PAWN, 5, 4}},
         {only(lowerAttacker, {{5, 4, -801}}), only(lowerAttackerX, {{5, 4, 5}}), only(lowerAttackerY, {{5, 4, 5}})}},
        {"upper horse threatens along a diagonal with coordinates",
         {{F::UPPER_HORSE, 5, 5}, {F::LOWER_PAWN, 6, 6}},
         {only(upperAttacker, {{6, 6, 801}}), only(upperAttackerX, {{6, 6, 5}}), only(upperAttackerY, {{6, 6, 5}})}},
        {"upper horse steps only count",
         {{F::UPPER_HORSE, 5, 5}, {F::LOWER_PAWN, 5, 6}, {F::UPPER_PAWN, 4, 5}},
         {at(upperInfluence, {{5, 6, 1}, {4, 5, 1}}), at(upperAttacker, {{5, 6, 999}}),
          at(upperDefender, {{4, 5, 999}})}},
        {"lower horse step checks",
         {{F::LOWER_HORSE, 5, 5}, {F::UPPER_KING, 5, 4}},
         {only(lowerCheckMap, {{5, 5, 9}}), only(lowerAttacker, {{5, 4, -801}})}},
        {"upper horse step checks",
         {{F::UPPER_HORSE, 5, 5}, {F::LOWER_KING, 5, 6}},
         {only(upperCheckMap, {{5, 5, 9}}), only(upperAttacker, {})}},
        {"upper bishop checks through the lower king",
         {{F::UPPER_BISHOP, 1, 1}, {F::LOWER_KING, 4, 4}},
         {only(upperCheckMap, {{1, 1, 9}, {2, 2, 1}, {3, 3, 1}}),
          only(upperInfluence, all(1, {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}}))}},
        {"lower horse diagonal check records as a bishop",
         {{F::LOWER_HORSE, 2, 2}, {F::UPPER_KING, 5, 5}},
         {only(lowerCheckMap, {{2, 2, 9}, {3, 3, 1}, {4, 4, 1}}), only(lowerAttacker, {{5, 5, -800}})}},
    });
}

TEST(InfluenceRookAndDragon, MapValues) {
    checkAll({
        {"upper rook in the corner of an empty board",
         {{F::UPPER_ROOK, 1, 1}},
         {only(upperInfluence, all(1, {{1, 2},
                                       {1, 3},
                                       {1, 4},
                                       {1, 5},
                                       {1, 6},
                                       {1, 7},
                                       {1, 8},
                                       {1, 9},
                                       {2, 1},
                                       {3, 1},
                                       {4, 1},
                                       {5, 1},
                                       {6, 1},
                                       {7, 1},
                                       {8, 1},
                                       {9, 1}}))}},
        {"lower rook stops at its own pawn",
         {{F::LOWER_ROOK, 2, 5}, {F::LOWER_PAWN, 2, 3}},
         {at(lowerInfluence, {{2, 4, 1}, {2, 3, 1}, {2, 2, 1}, {2, 1, 0}}), only(lowerDefender, {{2, 3, -900}})}},
        {"lower rook checks through the upper king up to the next piece",
         {{F::LOWER_ROOK, 5, 9}, {F::UPPER_KING, 5, 5}, {F::UPPER_PAWN, 5, 2}},
         {only(lowerCheckMap, join({{5, 9, 9}}, all(1, {{5, 6}, {5, 7}, {5, 8}}))),
          only(lowerInfluence, all(1, {{5, 2},
                                       {5, 3},
                                       {5, 4},
                                       {5, 5},
                                       {5, 6},
                                       {5, 7},
                                       {5, 8},
                                       {1, 9},
                                       {2, 9},
                                       {3, 9},
                                       {4, 9},
                                       {6, 9},
                                       {7, 9},
                                       {8, 9},
                                       {9, 9}})),
          only(lowerAttacker, {{5, 5, -900}, {5, 2, -900}}), only(lowerAttackerX, {{5, 5, 5}, {5, 2, 5}}),
          only(lowerAttackerY, {{5, 5, 9}, {5, 2, 9}})}},
        {"upper rook checks through the lower king to the edge",
         {{F::UPPER_ROOK, 5, 1}, {F::LOWER_KING, 5, 5}},
         {only(upperCheckMap, join({{5, 1, 9}}, all(1, {{5, 2}, {5, 3}, {5, 4}}))),
          at(upperInfluence, all(1, {{5, 5}, {5, 6}, {5, 7}, {5, 8}, {5, 9}})), only(upperAttacker, {{5, 5, 900}}),
          only(upperAttackerX, {{5, 5, 5}}), only(upperAttackerY, {{5, 5, 1}})}},
        {"lower rook next to the king: 9 and no 1",
         {{F::LOWER_ROOK, 5, 5}, {F::UPPER_KING, 5, 4}},
         {only(lowerCheckMap, {{5, 5, 9}})}},
        {"upper rook next to the king: 9 and no 1",
         {{F::UPPER_ROOK, 5, 5}, {F::LOWER_KING, 6, 5}},
         {only(upperCheckMap, {{5, 5, 9}})}},
        {"lower rook stops at its own king",
         {{F::LOWER_ROOK, 5, 9}, {F::LOWER_KING, 5, 7}},
         {at(lowerInfluence, {{5, 8, 2}, {5, 7, 1}, {5, 6, 1}, {5, 5, 0}}), only(lowerDefender, {{5, 7, -900}}),
          only(lowerCheckMap, {})}},
        {"upper rook stops at its own king",
         {{F::UPPER_ROOK, 5, 1}, {F::UPPER_KING, 5, 3}},
         {at(upperInfluence, {{5, 2, 2}, {5, 3, 1}, {5, 4, 1}, {5, 5, 0}}), only(upperCheckMap, {})}},
        {"lower dragon reaches 20 squares",
         {{F::LOWER_DRAGON, 5, 5}},
         {only(lowerInfluence, join(all(1, LINES_OF_55), all(1, {{4, 4}, {6, 4}, {4, 6}, {6, 6}})))}},
        {"lower dragon diagonal step checks",
         {{F::LOWER_DRAGON, 5, 5}, {F::UPPER_KING, 6, 4}},
         {only(lowerCheckMap, {{5, 5, 9}}), only(lowerAttacker, {{6, 4, -901}})}},
        {"upper dragon diagonal step guards with coordinates",
         {{F::UPPER_DRAGON, 5, 5}, {F::UPPER_PAWN, 6, 6}},
         {only(upperDefender, {{6, 6, 901}}), only(upperDefenderX, {{6, 6, 5}}), only(upperDefenderY, {{6, 6, 5}})}},
        {"upper dragon diagonal step threatens with coordinates",
         {{F::UPPER_DRAGON, 5, 5}, {F::LOWER_PAWN, 4, 4}},
         {only(upperAttacker, {{4, 4, 901}}), only(upperAttackerX, {{4, 4, 5}}), only(upperAttackerY, {{4, 4, 5}})}},
    });
}

TEST(InfluenceChecks, SeveralCheckersEachGetTheirOwnNine) {
    checkAll({
        {"lower rook, bishop and gold check at once",
         {{F::LOWER_ROOK, 5, 9}, {F::LOWER_BISHOP, 1, 1}, {F::LOWER_GOLD, 4, 6}, {F::UPPER_KING, 5, 5}},
         {only(lowerCheckMap,
               join({{5, 9, 9}, {1, 1, 9}, {4, 6, 9}}, all(1, {{5, 6}, {5, 7}, {5, 8}, {2, 2}, {3, 3}, {4, 4}})))}},
        {"upper lance and knight check at once",
         {{F::UPPER_LANCE, 5, 1}, {F::UPPER_KNIGHT, 4, 3}, {F::LOWER_KING, 5, 5}},
         {only(upperCheckMap, join({{5, 1, 9}, {4, 3, 9}, {5, 5, 9}}, all(1, {{5, 2}, {5, 3}, {5, 4}})))}},
    });
}

// Equal codes: the piece met first in the scan (column, then row) keeps the
// entry; a better code always replaces, whichever piece comes first.
TEST(InfluenceTies, FirstMetKeepsEqualCodes) {
    checkAll({
        {"lower king before the pawn guards",
         {{F::LOWER_SILVER, 5, 5}, {F::LOWER_PAWN, 5, 6}, {F::LOWER_KING, 4, 6}},
         {at(lowerDefender, {{5, 5, -950}})}},
        {"lower king after the pawn guards",
         {{F::LOWER_SILVER, 5, 5}, {F::LOWER_PAWN, 5, 6}, {F::LOWER_KING, 6, 6}},
         {at(lowerDefender, {{5, 5, -950}})}},
        {"upper pawn guards before a gold met first",
         {{F::UPPER_SILVER, 5, 5}, {F::UPPER_PAWN, 5, 4}, {F::UPPER_GOLD, 4, 5}},
         {at(upperDefender, {{5, 5, 10}})}},
        {"upper pawn guards before a gold met later",
         {{F::UPPER_SILVER, 5, 5}, {F::UPPER_PAWN, 5, 4}, {F::UPPER_GOLD, 6, 5}},
         {at(upperDefender, {{5, 5, 10}})}},
        {"two lower golds: the lower column wins",
         {{F::UPPER_PAWN, 5, 5}, {F::LOWER_GOLD, 4, 5}, {F::LOWER_GOLD, 6, 5}},
         {only(lowerAttacker, {{5, 5, -110}}), at(lowerAttackerX, {{5, 5, 4}}), at(lowerAttackerY, {{5, 5, 5}})}},
        {"two lower golds in one column: the lower row wins",
         {{F::UPPER_PAWN, 5, 5}, {F::LOWER_GOLD, 5, 4}, {F::LOWER_GOLD, 5, 6}},
         {only(lowerAttacker, {{5, 5, -110}}), at(lowerAttackerX, {{5, 5, 5}}), at(lowerAttackerY, {{5, 5, 4}})}},
        {"cheaper lower attacker met later replaces the rook",
         {{F::UPPER_GOLD, 5, 5}, {F::LOWER_ROOK, 1, 5}, {F::LOWER_PAWN, 5, 6}},
         {at(lowerAttacker, {{5, 5, -10}}), at(lowerAttackerX, {{5, 5, 5}}), at(lowerAttackerY, {{5, 5, 6}})}},
        {"two upper rooks threatening: the first keeps its square",
         {{F::LOWER_PAWN, 5, 5}, {F::UPPER_ROOK, 5, 1}, {F::UPPER_ROOK, 9, 5}},
         {at(upperAttacker, {{5, 5, 900}}), at(upperAttackerX, {{5, 5, 5}}), at(upperAttackerY, {{5, 5, 1}})}},
        {"two upper rooks threatening from the other sides",
         {{F::LOWER_PAWN, 5, 5}, {F::UPPER_ROOK, 1, 5}, {F::UPPER_ROOK, 5, 9}},
         {at(upperAttacker, {{5, 5, 900}}), at(upperAttackerX, {{5, 5, 1}}), at(upperAttackerY, {{5, 5, 5}})}},
        {"two upper silvers guarding: the first keeps its square",
         {{F::UPPER_PAWN, 5, 5}, {F::UPPER_SILVER, 4, 4}, {F::UPPER_SILVER, 6, 4}},
         {at(upperDefender, {{5, 5, 100}}), at(upperDefenderX, {{5, 5, 4}}), at(upperDefenderY, {{5, 5, 4}})}},
    });
}

// The upper coordinate maps are never reset: a code recorded without its
// square leaves the square of whatever was recorded there before.
TEST(InfluenceStaleCoordinates, CodesWithoutSquaresKeepOlderSquares) {
    checkAll({
        {"a pawn lowers the guard code after a silver in the same survey",
         {{F::UPPER_PAWN, 5, 5}, {F::UPPER_SILVER, 4, 4}, {F::UPPER_PAWN, 5, 4}},
         {at(upperDefender, {{5, 5, 10}}), at(upperDefenderX, {{5, 5, 4}}), at(upperDefenderY, {{5, 5, 4}})}},
        {"a pawn lowers the threat code after a rook in the same survey",
         {{F::LOWER_PAWN, 5, 5}, {F::UPPER_ROOK, 1, 5}, {F::UPPER_PAWN, 5, 4}},
         {at(upperAttacker, {{5, 5, 10}}), at(upperAttackerX, {{5, 5, 1}}), at(upperAttackerY, {{5, 5, 5}})}},
        {"a promoted pawn guard keeps the square of an earlier survey's silver",
         {{F::UPPER_PAWN, 5, 5}, {F::UPPER_TOKIN, 4, 5}},
         {only(upperDefender, {{5, 5, 110}}), only(upperDefenderX, {{5, 5, 5}}), only(upperDefenderY, {{5, 5, 4}})},
         {{F::UPPER_PAWN, 5, 5}, {F::UPPER_SILVER, 5, 4}}},
        {"a pawn threat keeps the square of an earlier survey's rook",
         {{F::LOWER_PAWN, 3, 5}, {F::UPPER_PAWN, 3, 4}},
         {only(upperAttacker, {{3, 5, 10}}), only(upperAttackerX, {{3, 5, 3}}), only(upperAttackerY, {{3, 5, 1}})},
         {{F::LOWER_PAWN, 3, 5}, {F::UPPER_ROOK, 3, 1}}},
        {"an empty board keeps every upper square but resets the lower ones",
         {},
         {only(upperDefender, {}), only(upperDefenderX, {{5, 5, 5}}), only(upperDefenderY, {{5, 5, 4}}),
          only(upperAttacker, {}), only(upperAttackerX, {{3, 5, 3}}), only(upperAttackerY, {{3, 5, 1}}),
          only(lowerAttacker, {}), only(lowerAttackerX, {}), only(lowerAttackerY, {})},
         {{F::UPPER_PAWN, 5, 5},
          {F::UPPER_SILVER, 5, 4},
          {F::LOWER_PAWN, 3, 5},
          {F::UPPER_ROOK, 3, 1},
          {F::UPPER_PAWN, 7, 5},
          {F::LOWER_GOLD, 7, 6}}},
    });
}

TEST(InfluenceReset, EmptyBoardResetsOnlyTheResetMaps) {
    TestForm t;
    F& f = t.form;
    const MapRef reset[] = {lowerInfluence, upperInfluence, lowerDefender, upperDefender, lowerAttacker,
                            lowerAttackerX, lowerAttackerY, upperAttacker, lowerCheckMap, upperCheckMap};
    const MapRef kept[] = {upperDefenderX, upperDefenderY, upperAttackerX, upperAttackerY};
    for (const MapRef& m : reset)
        for (auto& column : f.*m.member) std::fill(std::begin(column), std::end(column), 7);
    for (const MapRef& m : kept)
        for (auto& column : f.*m.member) std::fill(std::begin(column), std::end(column), 7);
    f.lowerKingX = 1, f.lowerKingY = 2, f.upperKingX = 3, f.upperKingY = 4;

    f.勢力調査();

    for (const MapRef& m : reset)
        for (int x = 0; x <= 9; ++x)
            for (int y = 0; y <= 9; ++y) {
                // Row and column 0 are not squares and are left alone.
                const int want = x == 0 || y == 0 ? 7 : m.blank;
                EXPECT_EQ((f.*m.member)[x][y], want) << m.name << " at (" << x << ", " << y << ")";
            }
    for (const MapRef& m : kept)
        for (int x = 0; x <= 9; ++x)
            for (int y = 0; y <= 9; ++y)
                EXPECT_EQ((f.*m.member)[x][y], 7) << m.name << " at (" << x << ", " << y << ")";
    EXPECT_EQ(f.lowerKingX, 1);
    EXPECT_EQ(f.lowerKingY, 2);
    EXPECT_EQ(f.upperKingX, 3);
    EXPECT_EQ(f.upperKingY, 4);
}

// The king squares follow the kings and stay put while a king is off the board.
TEST(InfluenceKing, CoordinatesFollowTheKingsOnTheBoard) {
    struct Step {
        const char* sfen;
        int lowerX, lowerY, upperX, upperY;
    };
    const Step steps[] = {
        {"4k4/9/9/9/9/9/9/9/4K4 b - 1", 5, 9, 5, 1},
        {"9/9/9/9/9/9/9/9/9 b - 1", 5, 9, 5, 1},
        {"9/9/9/9/9/9/9/1K7/9 b - 1", 2, 8, 5, 1},
        {"9/9/9/9/9/9/9/9/8k b - 1", 2, 8, 9, 9},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", 5, 9, 5, 1},
    };
    TestForm t;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.sfen);
        t.position(s.sfen);
        t.form.勢力調査();
        EXPECT_EQ(t.form.lowerKingX, s.lowerX);
        EXPECT_EQ(t.form.lowerKingY, s.lowerY);
        EXPECT_EQ(t.form.upperKingX, s.upperX);
        EXPECT_EQ(t.form.upperKingY, s.upperY);
    }
}

// The spare gold codes are not pieces: they record nothing.
TEST(InfluenceReset, SpareGoldCodesRecordNothing) {
    checkAll({
        {"spare gold codes",
         {{F::LOWER_GOLD_SPARE, 5, 5}, {F::UPPER_GOLD_SPARE, 3, 3}},
         {only(lowerInfluence, {}), only(upperInfluence, {})}},
    });
}

}  // namespace
