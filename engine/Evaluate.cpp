#include "engine/Evaluate.h"

#include <algorithm>
#include <cstdlib>

#include "engine/Attacks.h"
#include "engine/MoveGen.h"

namespace engine {
namespace {

// The values shogi players commonly use, in hundredths of a pawn-and-a-bit.
constexpr Value BOARD_VALUE[KIND_COUNT] = {
    0,    // no kind
    90,   // pawn
    315,  // lance
    405,  // knight
    495,  // silver
    855,  // bishop
    990,  // rook
    540,  // gold
    0,    // king: never traded
    540,  // promoted pawn
    540,  // promoted lance
    540,  // promoted knight
    540,  // promoted silver
    945,  // horse
    1395  // dragon
};
// A piece in hand can go anywhere, and under the forward rule it is the only
// piece free to land behind the lines.
constexpr Value HAND_VALUE[HAND_KIND_COUNT] = {0, 105, 350, 450, 560, 960, 1110, 620};

constexpr int NEAR_DISTANCE = 3;
// Per kind, for each step closer than NEAR_DISTANCE to the enemy king.
constexpr Value ATTACK_NEAR[KIND_COUNT] = {0, 6, 6, 10, 14, 12, 16, 14, 0, 14, 14, 14, 14, 18, 24};
// Golds and silvers (and their promoted likes) for each step closer to their own king.
constexpr Value DEFEND_NEAR[KIND_COUNT] = {0, 0, 0, 0, 14, 0, 0, 18, 0, 8, 8, 8, 8, 6, 0};
// The king by its rank counted from its own side: it is safest at home.
constexpr Value KING_HOME[BOARD_SIZE + 1] = {0, -140, -120, -90, -60, -40, -20, 0, 10, 20};
constexpr Value PAWN_ADVANCE = 4;  // per rank a pawn has gone
// Per square around the king that the enemy reaches, and for the king's own square.
constexpr Value KING_ZONE_ATTACK = 18;
constexpr Value KING_ZONE_DEFENDED = 6;
// Under the forward rule a piece with an open square ahead may only advance:
// its retreat and sideways moves are gone while it stands there.
constexpr Value BOUND_PENALTY[KIND_COUNT] = {0, 0, 0, 0, 10, 25, 40, 14, 20, 10, 10, 10, 10, 30, 45};
constexpr Value TEMPO = 20;

int distance(Square a, Square b) { return std::max(std::abs(fileOf(a) - fileOf(b)), std::abs(rankOf(a) - rankOf(b))); }

// Squares around the king (and its own) that the enemy reaches, less those covered.
Value kingZone(const Position& pos, Color c) {
    const Square king = pos.kingSquare(c);
    if (king == 0) return 0;
    Value v = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const Square s = king + dx * FILE_STRIDE + dy * RANK_STRIDE;
            if (pos.at(s) == WALL) continue;
            const int attackers = attackerCount(pos, s, opposite(c));
            if (attackers == 0) continue;
            v -= KING_ZONE_ATTACK * attackers;
            if (s != king && isAttacked(pos, s, c)) v += KING_ZONE_DEFENDED;
        }
    return v;
}

// Black's point of view.
Value evaluateForBlack(const Position& pos) {
    Value score[COLOR_COUNT] = {0, 0};
    const bool forward = pos.rules() == Rules::Forward;
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) {
            const Square s = squareAt(x, y);
            const Piece p = pos.at(s);
            if (p == EMPTY) continue;
            const Color c = colorOf(p);
            const Kind k = kindOf(p);
            Value v = BOARD_VALUE[k];
            if (k == KING) {
                v += KING_HOME[BOARD_SIZE + 1 - relativeRank(c, y)];
            } else {
                if (const Square enemyKing = pos.kingSquare(opposite(c)); enemyKing != 0)
                    v += ATTACK_NEAR[k] * std::max(0, NEAR_DISTANCE + 1 - distance(s, enemyKing));
                if (const Square ownKing = pos.kingSquare(c); ownKing != 0)
                    v += DEFEND_NEAR[k] * std::max(0, NEAR_DISTANCE - distance(s, ownKing));
                if (k == PAWN) v += PAWN_ADVANCE * (BOARD_SIZE - relativeRank(c, y));
            }
            if (forward && canAdvance(pos, s)) v -= BOUND_PENALTY[k];
            score[c] += v;
        }
    for (const Color c : {BLACK, WHITE}) {
        for (int k = PAWN; k < HAND_KIND_COUNT; ++k) score[c] += HAND_VALUE[k] * pos.hand(c, Kind(k));
        score[c] += kingZone(pos, c);
    }
    return score[BLACK] - score[WHITE];
}

}  // namespace

Value pieceValue(Kind k) { return BOARD_VALUE[k]; }

Value evaluate(const Position& pos) {
    const Value v = evaluateForBlack(pos);
    return (pos.sideToMove() == BLACK ? v : -v) + TEMPO;
}

}  // namespace engine
