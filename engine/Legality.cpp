#include "engine/Legality.h"

#include "engine/Attacks.h"

namespace engine {
namespace {

bool wasLegalStandard(Position& pos, Move m);

bool hasLegalMove(Position& pos) {
    MoveList list;
    generateMoves(pos, list);
    if (pos.rules() == Rules::Forward) return list.size > 0;
    for (const Move m : list) {
        pos.makeMove(m);
        const bool legal = wasLegalStandard(pos, m);
        pos.unmakeMove(m);
        if (legal) return true;
    }
    return false;
}

// The pawn just dropped stands right in front of the enemy king, which has no escape.
bool isPawnDropMate(Position& pos, Move m) {
    const Color them = pos.sideToMove();
    const Square king = pos.kingSquare(them);
    if (king == 0 || toSquare(m) + forwardStep(opposite(them)) != king) return false;
    return !hasLegalMove(pos);
}

bool wasLegalStandard(Position& pos, Move m) {
    const Color mover = opposite(pos.sideToMove());
    const Square king = pos.kingSquare(mover);
    if (king != 0 && isAttacked(pos, king, pos.sideToMove())) return false;
    return !(isDrop(m) && droppedKind(m) == PAWN && isPawnDropMate(pos, m));
}

}  // namespace

bool wasLegal(Position& pos, Move m) { return pos.rules() == Rules::Forward || wasLegalStandard(pos, m); }

void generateLegalMoves(Position& pos, MoveList& list) {
    generateMoves(pos, list);
    if (pos.rules() == Rules::Forward) return;
    int kept = 0;
    for (int i = 0; i < list.size; ++i) {
        const Move m = list[i];
        pos.makeMove(m);
        const bool legal = wasLegal(pos, m);
        pos.unmakeMove(m);
        if (legal) list[kept++] = m;
    }
    list.size = kept;
}

bool isLegalMove(Position& pos, Move m) {
    MoveList list;
    generateLegalMoves(pos, list);
    return list.contains(m);
}

bool hasNoLegalMove(Position& pos) { return !hasLegalMove(pos); }

}  // namespace engine
