#include "engine/Attacks.h"

#include "engine/MoveGen.h"
#include "engine/PieceMoves.h"

namespace engine {
namespace {

// Visits each piece of `by` that could move onto `target`, until visit returns true.
template <class Visit>
bool forEachAttacker(const Position& pos, Square target, Color by, Visit visit) {
    const bool forward = pos.rules() == Rules::Forward;
    const auto allowed = [&](Square from) {
        return !forward || !canAdvance(pos, from) || isAhead(by, rankOf(from), rankOf(target));
    };
    for (int i = 0; i < STEP_OFFSET_COUNT; ++i) {
        const Square from = target - STEP_OFFSETS[i];
        const Piece p = pos.at(from);
        if (!isPiece(p) || colorOf(p) != by || !(STEPPING_KINDS[by][i] & kindBit(kindOf(p)))) continue;
        if (allowed(from) && visit(from)) return true;
    }
    for (int i = 0; i < SLIDE_DIRECTION_COUNT; ++i) {
        const int d = SLIDE_DIRECTIONS[i];
        Square from = target - d;
        while (pos.at(from) == EMPTY) from -= d;
        const Piece p = pos.at(from);
        if (!isPiece(p) || colorOf(p) != by || !(SLIDING_KINDS[by][i] & kindBit(kindOf(p)))) continue;
        if (allowed(from) && visit(from)) return true;
    }
    return false;
}

}  // namespace

bool isAttacked(const Position& pos, Square target, Color by) {
    return forEachAttacker(pos, target, by, [](Square) { return true; });
}

int attackerCount(const Position& pos, Square target, Color by) {
    int count = 0;
    forEachAttacker(pos, target, by, [&](Square) {
        ++count;
        return false;
    });
    return count;
}

bool inCheck(const Position& pos) {
    const Color us = pos.sideToMove();
    const Square king = pos.kingSquare(us);
    return king != 0 && isAttacked(pos, king, opposite(us));
}

bool kingPressed(const Position& pos) {
    const Color us = pos.sideToMove();
    const Square king = pos.kingSquare(us);
    if (king == 0) return false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const Square s = king + dx * FILE_STRIDE + dy * RANK_STRIDE;
            if (pos.at(s) != WALL && isAttacked(pos, s, opposite(us))) return true;
        }
    return false;
}

bool canCaptureKing(const Position& pos) {
    const Color us = pos.sideToMove();
    const Square king = pos.kingSquare(opposite(us));
    return king != 0 && isAttacked(pos, king, us);
}

}  // namespace engine
