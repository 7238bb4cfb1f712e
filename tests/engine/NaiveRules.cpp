#include "tests/engine/NaiveRules.h"

#include <cstdlib>

namespace engine_test {
namespace {

using namespace engine;

// Every square strictly between two squares on a line is empty.
bool clearBetween(const Position& pos, int fx, int fy, int tx, int ty) {
    const int sx = (tx > fx) - (tx < fx), sy = (ty > fy) - (ty < fy);
    for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy)
        if (pos.at(squareAt(x, y)) != EMPTY) return false;
    return true;
}

// Can the piece on (fx, fy) move to (tx, ty) by its kind, ignoring what stands there?
bool reaches(const Position& pos, int fx, int fy, int tx, int ty) {
    const Piece p = pos.at(squareAt(fx, fy));
    const int dx = tx - fx;
    const int ahead = colorOf(p) == BLACK ? fy - ty : ty - fy;  // ranks gained
    const int ax = std::abs(dx), ay = std::abs(ahead);
    const bool king = ax <= 1 && ay <= 1 && (ax | ay) != 0;
    const bool gold = king && !(ahead == -1 && ax == 1);
    const bool diagonal = ax == ay && ax != 0 && clearBetween(pos, fx, fy, tx, ty);
    const bool straight = (ax == 0) != (ay == 0) && clearBetween(pos, fx, fy, tx, ty);
    switch (kindOf(p)) {
    case PAWN: return dx == 0 && ahead == 1;
    case LANCE: return dx == 0 && ahead > 0 && clearBetween(pos, fx, fy, tx, ty);
    case KNIGHT: return ax == 1 && ahead == 2;
    case SILVER: return king && ahead != 0 && !(ahead == -1 && ax == 0);
    case GOLD:
    case PRO_PAWN:
    case PRO_LANCE:
    case PRO_KNIGHT:
    case PRO_SILVER: return gold;
    case BISHOP: return diagonal;
    case ROOK: return straight;
    case HORSE: return diagonal || king;
    case DRAGON: return straight || king;
    case KING: return king;
    default: return false;
    }
}

bool attacked(const Position& pos, int tx, int ty, Color by) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const Piece p = pos.at(squareAt(x, y));
            if (isPiece(p) && colorOf(p) == by && reaches(pos, x, y, tx, ty)) return true;
        }
    return false;
}

bool kingAttacked(const Position& pos, Color c) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (pos.at(squareAt(x, y)) == makePiece(c, KING)) return attacked(pos, x, y, opposite(c));
    return false;
}

// Rank counted from the mover's far side: 1 is the last rank.
int far(Color c, int y) { return c == BLACK ? y : 10 - y; }

bool dead(Color c, Kind k, int y) {
    return ((k == PAWN || k == LANCE) && far(c, y) == 1) || (k == KNIGHT && far(c, y) <= 2);
}

std::vector<Move> pseudoMoves(const Position& pos) {
    const Color us = pos.sideToMove();
    std::vector<Move> moves;
    for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy) {
            const Piece p = pos.at(squareAt(fx, fy));
            if (!isPiece(p) || colorOf(p) != us) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty) {
                    const Piece target = pos.at(squareAt(tx, ty));
                    if ((isPiece(target) && colorOf(target) == us) || !reaches(pos, fx, fy, tx, ty)) continue;
                    const Kind k = kindOf(p);
                    const bool zone = far(us, fy) <= 3 || far(us, ty) <= 3;
                    if (k <= ROOK && zone) moves.push_back(boardMove(squareAt(fx, fy), squareAt(tx, ty), true));
                    if (!dead(us, k, ty)) moves.push_back(boardMove(squareAt(fx, fy), squareAt(tx, ty)));
                }
        }
    for (int k = PAWN; k <= GOLD; ++k) {
        if (pos.hand(us, Kind(k)) == 0) continue;
        for (int x = 1; x <= 9; ++x) {
            bool pawnOnFile = false;
            for (int y = 1; y <= 9; ++y) pawnOnFile |= pos.at(squareAt(x, y)) == makePiece(us, PAWN);
            for (int y = 1; y <= 9; ++y)
                if (pos.at(squareAt(x, y)) == EMPTY && !dead(us, Kind(k), y) && !(k == PAWN && pawnOnFile))
                    moves.push_back(dropMove(Kind(k), squareAt(x, y)));
        }
    }
    return moves;
}

std::vector<Move> movesKeepingKingSafe(Position& pos) {
    std::vector<Move> legal;
    const Color us = pos.sideToMove();
    for (const Move m : pseudoMoves(pos)) {
        pos.makeMove(m);
        if (!kingAttacked(pos, us)) legal.push_back(m);
        pos.unmakeMove(m);
    }
    return legal;
}

}  // namespace

std::vector<Move> naiveLegalMoves(Position& pos) {
    const Color us = pos.sideToMove();
    std::vector<Move> legal;
    for (const Move m : movesKeepingKingSafe(pos)) {
        // A dropped pawn may not give mate.
        pos.makeMove(m);
        const bool pawnMate =
            isDrop(m) && droppedKind(m) == PAWN && kingAttacked(pos, opposite(us)) && movesKeepingKingSafe(pos).empty();
        pos.unmakeMove(m);
        if (!pawnMate) legal.push_back(m);
    }
    return legal;
}

std::uint64_t naivePerft(Position& pos, int depth) {
    if (depth == 0) return 1;
    std::uint64_t total = 0;
    for (const Move m : naiveLegalMoves(pos)) {
        pos.makeMove(m);
        total += naivePerft(pos, depth - 1);
        pos.unmakeMove(m);
    }
    return total;
}

}  // namespace engine_test
