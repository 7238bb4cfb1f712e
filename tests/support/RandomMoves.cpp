#include "tests/support/RandomMoves.h"

#include "game/PieceCode.h"
#include "rules/MoveList.h"

namespace randomplay {

std::vector<Move> allowedMoves(Form1& f, bool upper) {
    std::vector<Move> moves;
    forEachAllowedMove(f, upper, [&](int fx, int fy, int tx, int ty, int code) {
        moves.push_back({fx, fy, tx, ty, code, code});
    });
    return moves;
}

std::optional<Move> randomMove(Form1& f, bool upper, std::mt19937_64& random, Choice choice) {
    std::vector<Move> all, eventful;
    for (const Move& m : allowedMoves(f, upper)) {
        const int target = f.board[m.toX][m.toY];
        if (choice.sparingKings && piece::abs(target) == Form1::KING) continue;
        all.push_back(m);
        if (target != Form1::EMPTY || piece::isDropSource(m.fromX) ||
            f.調査_駒成(m.fromX, m.fromY, m.toX, m.toY, m.code) == Form1::ON)
            eventful.push_back(m);
    }
    const bool fromEventful = choice.favourEventfulMoves && !eventful.empty() && random() % 3 != 0;
    const std::vector<Move>& pool = fromEventful ? eventful : all;
    if (pool.empty()) return std::nullopt;
    Move m = pool[random() % pool.size()];
    if (f.調査_駒成(m.fromX, m.fromY, m.toX, m.toY, m.code) == Form1::ON &&
        (f.移動後チェック(m.toY, m.code) == Form1::OFF || random() % 2 == 0))
        m.placed = piece::promoted(m.code);
    return m;
}

void makeOnBoard(Form1& f, const Move& m) { f.駒移動(m.fromX, m.fromY, m.toX, m.toY, m.placed); }

}  // namespace randomplay
