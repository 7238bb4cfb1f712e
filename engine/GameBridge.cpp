#include "engine/GameBridge.h"

namespace engine {
namespace {

constexpr int GAME_HAND_COUNT = 7;
// The game's hand index 1..7 of each hand kind, and back.
constexpr Kind KIND_OF_HAND_INDEX[GAME_HAND_COUNT + 1] = {NO_KIND, PAWN, LANCE, KNIGHT, SILVER, GOLD, BISHOP, ROOK};
constexpr int HAND_INDEX_OF_KIND[HAND_KIND_COUNT] = {0, 1, 2, 3, 4, 6, 7, 5};
// The game's (upper side's) code of each kind.
constexpr int CODE_OF_KIND[KIND_COUNT] = {0, 10, 20, 30, 100, 800, 900, 110, 950, 11, 21, 31, 101, 801, 901};

int absolute(int v) { return v < 0 ? -v : v; }

}  // namespace

Kind kindOfHandIndex(int index) { return index >= 1 && index <= GAME_HAND_COUNT ? KIND_OF_HAND_INDEX[index] : NO_KIND; }

void gameBoardOf(const Position& pos, int (&board)[10][10], int (&lowerHand)[8], int (&upperHand)[8]) {
    for (int x = 0; x <= BOARD_SIZE; ++x)
        for (int y = 0; y <= BOARD_SIZE; ++y) board[x][y] = x == 0 || y == 0 ? 0 : gameCodeOf(pos.at(squareAt(x, y)));
    lowerHand[0] = upperHand[0] = 0;
    for (int i = 1; i <= GAME_HAND_COUNT; ++i) {
        lowerHand[i] = pos.hand(BLACK, KIND_OF_HAND_INDEX[i]);
        upperHand[i] = pos.hand(WHITE, KIND_OF_HAND_INDEX[i]);
    }
}

int gameCodeOf(Piece p) {
    if (!isPiece(p)) return 0;
    const int code = CODE_OF_KIND[kindOf(p)];
    return colorOf(p) == BLACK ? -code : code;
}

Piece pieceOfGameCode(int code) {
    for (int k = PAWN; k < KIND_COUNT; ++k)
        if (CODE_OF_KIND[k] == absolute(code)) return makePiece(code < 0 ? BLACK : WHITE, Kind(k));
    return EMPTY;
}

Position positionFromGame(const int (&board)[10][10], const int (&lowerHand)[8], const int (&upperHand)[8],
                          bool lowerToMove, Rules rules) {
    Position pos(rules);
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y)
            if (const Piece p = pieceOfGameCode(board[x][y]); p != EMPTY) pos.place(squareAt(x, y), p);
    for (int i = 1; i <= GAME_HAND_COUNT; ++i) {
        pos.setHand(BLACK, KIND_OF_HAND_INDEX[i], lowerHand[i]);
        pos.setHand(WHITE, KIND_OF_HAND_INDEX[i], upperHand[i]);
    }
    pos.setSideToMove(lowerToMove ? BLACK : WHITE);
    return pos;
}

GameMove gameMoveOf(const Position& pos, Move m) {
    GameMove g;
    const Square to = toSquare(m);
    g.toX = fileOf(to);
    g.toY = rankOf(to);
    if (isDrop(m)) {
        const bool lower = pos.sideToMove() == BLACK;
        g.handIndex = HAND_INDEX_OF_KIND[droppedKind(m)];
        g.fromX = lower ? LOWER_STAND_X : UPPER_STAND_X;
        g.fromY = lower ? g.handIndex + LOWER_STAND_ROW_OFFSET : g.handIndex;
        g.code = gameCodeOf(makePiece(pos.sideToMove(), droppedKind(m)));
        return g;
    }
    const Square from = fromSquare(m);
    g.fromX = fileOf(from);
    g.fromY = rankOf(from);
    g.promote = isPromotion(m);
    g.code = gameCodeOf(pos.at(from));
    return g;
}

}  // namespace engine
