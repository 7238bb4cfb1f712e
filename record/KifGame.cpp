#include "record/KifGame.h"

#include "game/PieceCode.h"

namespace kif {

Side sideToMoveAtEnd(const Game& game) {
    return game.moves.size() % 2 == 0 ? game.start.toMove : opponent(game.start.toMove);
}

bool takesKing(const Move& move) { return piece::abs(move.capturedPiece) == Vocabulary::KING; }

std::optional<Side> winner(const Game& game) {
    const Side next = sideToMoveAtEnd(game);
    if (!game.moves.empty() && takesKing(game.moves.back())) return opponent(next);
    switch (game.ending) {
    case Ending::Resigned:
    case Ending::Mated:
    case Ending::TimeUp:
    case Ending::FoulLoss: return opponent(next);
    case Ending::FoulWin:
    case Ending::EnteringKing: return next;
    default: return std::nullopt;
    }
}

}  // namespace kif
