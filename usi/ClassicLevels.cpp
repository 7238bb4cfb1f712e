#include "usi/ClassicLevels.h"

#include <memory>

#include "engine/GameBridge.h"
#include "game/Form1.h"
#include "platform/QuietPlatform.h"

namespace usi {
namespace {

constexpr int GAME_HAND_COUNT = 7;
constexpr int FIRST_MOVE = 1;  // the record entry the computer's move goes to

int turned(int v) { return engine::BOARD_SIZE + 1 - v; }

// The position with the side to move as the upper side; turned round for Black.
void putOnForm(const engine::Position& pos, Form1& f, bool turn) {
    int board[10][10], lowerHand[8], upperHand[8];
    engine::gameBoardOf(pos, board, lowerHand, upperHand);
    for (int x = 1; x <= engine::BOARD_SIZE; ++x)
        for (int y = 1; y <= engine::BOARD_SIZE; ++y) f.board[x][y] = turn ? -board[turned(x)][turned(y)] : board[x][y];
    f.lowerHandCount = f.upperHandCount = 0;
    for (int k = 1; k <= GAME_HAND_COUNT; ++k) {
        f.lowerHand[k] = turn ? upperHand[k] : lowerHand[k];
        f.upperHand[k] = turn ? lowerHand[k] : upperHand[k];
        f.lowerHandCount += f.lowerHand[k];
        f.upperHandCount += f.upperHand[k];
    }
}

}  // namespace

engine::Move classicMove(const engine::Position& pos, int level) {
    QuietPlatform platform;
    auto form = std::make_unique<Form1>(platform);
    Form1& f = *form;
    const bool turn = pos.sideToMove() == engine::BLACK;
    putOnForm(pos, f, turn);
    f.gameMode = Form1::MODE_COM;
    f.lowerSide = f.SENTE;
    f.upperSide = f.GOTE;
    f.turn = f.upperSide;
    f.comLevel = level;
    f.recordIndex = f.recordLength = 0;
    f.moveRecord.movedPiece[FIRST_MOVE] = 0;
    // As after a player's move in the window: the survey and the mate test
    // come first, and the computer's turn reads the maps they leave.
    f.locateKings();
    f.勢力調査();
    f.詰めかCOM();
    f.com_ban();

    const auto& r = f.moveRecord;
    if (r.movedPiece[FIRST_MOVE] == 0) return engine::NO_MOVE;
    const int toX = turn ? turned(r.toX[FIRST_MOVE]) : r.toX[FIRST_MOVE];
    const int toY = turn ? turned(r.toY[FIRST_MOVE]) : r.toY[FIRST_MOVE];
    const engine::Square to = engine::squareAt(toX, toY);
    if (r.fromX[FIRST_MOVE] == engine::UPPER_STAND_X)
        return engine::dropMove(engine::kindOfHandIndex(r.fromY[FIRST_MOVE]), to);
    const int fromX = turn ? turned(r.fromX[FIRST_MOVE]) : r.fromX[FIRST_MOVE];
    const int fromY = turn ? turned(r.fromY[FIRST_MOVE]) : r.fromY[FIRST_MOVE];
    const bool promotes = r.placedPiece[FIRST_MOVE] != r.movedPiece[FIRST_MOVE];
    return engine::boardMove(engine::squareAt(fromX, fromY), to, promotes);
}

}  // namespace usi
