#include "record/OwnRecordRules.h"

#include "game/Form1.h"
#include "game/InitialPosition.h"
#include "game/PieceCode.h"
#include "platform/QuietPlatform.h"

namespace kifu {

int firstMoveAgainstTheRules(const std::vector<MoveLine>& moves) {
    // A game of its own, unseen, judges the moves exactly as a click is judged.
    QuietPlatform quiet;
    Form1 judge(quiet);
    for (int x = 1; x <= Form1::boardSize; ++x)
        for (int y = 1; y <= Form1::boardSize; ++y) judge.board[x][y] = INITIAL_POSITION[y - 1][x - 1];
    for (size_t i = 0; i < moves.size(); ++i) {
        const MoveLine& m = moves[i];
        const int bad = static_cast<int>(i) + 1;
        judge.調査_2歩フラグ設定();
        if (judge.移動チェック(m.fromX, m.fromY, m.toX, m.toY, m.movedPiece) == Form1::OFF) return bad;
        const bool drop = piece::isDropSource(m.fromX);
        if (m.placedPiece != m.movedPiece) {
            if (judge.調査_駒成(m.fromX, m.fromY, m.toX, m.toY, m.movedPiece) == Form1::OFF) return bad;
        } else if (!drop && judge.移動後チェック(m.toY, m.movedPiece) == Form1::OFF) {
            return bad;
        }
        // The upper stand is addressed by hand index when the pieces move.
        const int fromY = m.fromX == Form1::UPPER_STAND_X ? piece::handIndex(m.movedPiece) : m.fromY;
        judge.駒移動(m.fromX, fromY, m.toX, m.toY, m.placedPiece);
    }
    return 0;
}

}  // namespace kifu
