#pragma once
// The engine seen from the game: a position built from the game's own board
// codes and hands, and the engine's moves told in the game's coordinates.
//
// The game's board is [10][10], x = 1..9 from the left, y = 1..9 from the top;
// negative codes are the lower side (Black, moving first in an even game),
// positive the upper side: 10 pawn, 20 lance, 30 knight, 100 silver,
// 110 gold, 800 bishop, 900 rook, 950 king, promoted = code + 1. Hands are
// indexed 1 pawn, 2 lance, 3 knight, 4 silver, 5 gold, 6 bishop, 7 rook.

#include "engine/Position.h"

namespace engine {

// The game's encoding of a drop's origin: a square of the mover's stand.
constexpr int LOWER_STAND_X = 11;
constexpr int UPPER_STAND_X = -1;
constexpr int LOWER_STAND_ROW_OFFSET = 2;  // the lower stand's row is hand index + 2

struct GameMove {
    // Origin and destination in the game's coordinates. A drop comes from the
    // mover's stand: (11, hand index + 2) for the lower side, (-1, hand index)
    // for the upper side, as the game's move check expects it.
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    bool promote = false;
    int handIndex = 0;  // the game's hand index 1..7 of a drop, 0 for a board move
    int code = 0;       // the game's code of the moving piece before promotion
};

Position positionFromGame(const int (&board)[10][10], const int (&lowerHand)[8], const int (&upperHand)[8],
                          bool lowerToMove, Rules rules = Rules::Forward);

// `m` must be a move of `pos`'s side to move.
GameMove gameMoveOf(const Position& pos, Move m);

// The game's representation of a position: board codes and both hands.
void gameBoardOf(const Position& pos, int (&board)[10][10], int (&lowerHand)[8], int (&upperHand)[8]);

// The kind of a game hand index 1..7.
Kind kindOfHandIndex(int index);

// The game's code of a piece, and the piece of a game code (EMPTY for 0 and unknown codes).
int gameCodeOf(Piece p);
Piece pieceOfGameCode(int code);

}  // namespace engine
