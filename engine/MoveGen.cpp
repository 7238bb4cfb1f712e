#include "engine/MoveGen.h"

#include "engine/PieceMoves.h"

namespace engine {
namespace {

constexpr int KNIGHT_DEAD_RANKS = 2;  // a knight needs two ranks ahead of it

bool isOpenFor(Color c, Piece p) { return p == EMPTY || (p != WALL && colorOf(p) != c); }

bool mayPromote(Color c, Kind k, Square from, Square to) {
    return isPromotable(k) && (inPromotionZone(c, rankOf(to)) || inPromotionZone(c, rankOf(from)));
}

template <bool TACTICAL>
void addBoardMove(MoveList& list, Color c, Kind k, Square from, Square to, bool capture) {
    const bool promotable = mayPromote(c, k, from, to);
    if (promotable) list.add(boardMove(from, to, true));
    if (TACTICAL && !capture) return;
    if (!mustPromote(c, k, rankOf(to))) list.add(boardMove(from, to));
}

template <bool TACTICAL>
void pieceMoves(const Position& pos, Square from, MoveList& list) {
    const Piece p = pos.at(from);
    const Color c = colorOf(p);
    const Kind k = kindOf(p);
    const bool bound = pos.rules() == Rules::Forward && canAdvance(pos, from);
    const PieceMoves& moves = (bound ? FORWARD_MOVES : ALL_MOVES)[c][k];
    for (int i = 0; i < moves.steps.size; ++i) {
        const Square to = from + moves.steps[i];
        const Piece target = pos.at(to);
        if (isOpenFor(c, target)) addBoardMove<TACTICAL>(list, c, k, from, to, target != EMPTY);
    }
    for (int i = 0; i < moves.slides.size; ++i) {
        const int d = moves.slides[i];
        for (Square to = from + d;; to += d) {
            const Piece target = pos.at(to);
            if (target == EMPTY) {
                addBoardMove<TACTICAL>(list, c, k, from, to, false);
                continue;
            }
            if (target != WALL && colorOf(target) != c) addBoardMove<TACTICAL>(list, c, k, from, to, true);
            break;
        }
    }
}

template <bool TACTICAL>
void boardMoves(const Position& pos, MoveList& list) {
    const Color us = pos.sideToMove();
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) {
            const Square s = squareAt(x, y);
            const Piece p = pos.at(s);
            if (p != EMPTY && colorOf(p) == us) pieceMoves<TACTICAL>(pos, s, list);
        }
}

void drops(const Position& pos, MoveList& list) {
    const Color us = pos.sideToMove();
    Kind held[HAND_KIND_COUNT];
    int heldCount = 0;
    for (int k = PAWN; k < HAND_KIND_COUNT; ++k)
        if (pos.hand(us, Kind(k)) > 0) held[heldCount++] = Kind(k);
    if (heldCount == 0) return;
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) {
            const Square s = squareAt(x, y);
            if (pos.at(s) != EMPTY) continue;
            for (int i = 0; i < heldCount; ++i)
                if (dropAllowed(pos, us, held[i], s)) list.add(dropMove(held[i], s));
        }
}

}  // namespace

bool canAdvance(const Position& pos, Square s) {
    const Piece p = pos.at(s);
    const Color c = colorOf(p);
    if (relativeRank(c, rankOf(s)) == 1) return false;
    const int ahead = forwardStep(c);
    switch (kindOf(p)) {
    case PAWN:
    case LANCE:
    case ROOK: return isOpenFor(c, pos.at(s + ahead));
    case KNIGHT: {
        const Square row = s + 2 * ahead;
        return isOpenFor(c, pos.at(row - FILE_STRIDE)) || isOpenFor(c, pos.at(row)) ||
               isOpenFor(c, pos.at(row + FILE_STRIDE));
    }
    default: {
        const Square row = s + ahead;
        return isOpenFor(c, pos.at(row - FILE_STRIDE)) || isOpenFor(c, pos.at(row)) ||
               isOpenFor(c, pos.at(row + FILE_STRIDE));
    }
    }
}

bool mustPromote(Color c, Kind k, int toRank) {
    const int rank = relativeRank(c, toRank);
    if (k == PAWN || k == LANCE) return rank == 1;
    if (k == KNIGHT) return rank <= KNIGHT_DEAD_RANKS;
    return false;
}

bool dropAllowed(const Position& pos, Color c, Kind k, Square to) {
    if (k == PAWN && pos.hasPawnOnFile(c, fileOf(to))) return false;
    return !mustPromote(c, k, rankOf(to));
}

void generateMoves(const Position& pos, MoveList& list) {
    boardMoves<false>(pos, list);
    drops(pos, list);
}

void generateTacticalMoves(const Position& pos, MoveList& list) { boardMoves<true>(pos, list); }

}  // namespace engine
