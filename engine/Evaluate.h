#pragma once
// The static evaluation: material on the board and in hand, how close pieces
// stand to either king, the king's shelter and the squares around it that the
// enemy reaches, and under the forward rule the price of pieces it binds.

#include "engine/Position.h"

namespace engine {

// From the side to move's point of view.
Value evaluate(const Position& pos);

// The material value of a piece kind on the board (used by move ordering).
Value pieceValue(Kind k);

}  // namespace engine
