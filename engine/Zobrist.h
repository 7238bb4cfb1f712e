#pragma once
// Random keys whose XOR identifies a position: one per piece on each square,
// one per piece of each count in each hand, one for White to move.

#include <cstdint>

#include "engine/Types.h"

namespace engine {

using Key = std::uint64_t;
constexpr int MAX_HAND_COUNT = 18;  // all pawns in one hand

namespace zobrist {

extern const Key (&pieceSquare)[PIECE_CODE_COUNT][SQUARE_COUNT];
// handCount[c][k][n] enters the key when c's hand reaches n pieces of kind k.
extern const Key (&handCount)[COLOR_COUNT][HAND_KIND_COUNT][MAX_HAND_COUNT + 1];
extern const Key& whiteToMove;

}  // namespace zobrist
}  // namespace engine
