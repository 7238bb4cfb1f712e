#pragma once
// How each kind moves, as square offsets for each color: single steps and
// slides. The forward table keeps only the directions that gain ranks, which
// is all a piece may use while the forward rule binds it.

#include "engine/FixedList.h"
#include "engine/Types.h"

namespace engine {

constexpr int MAX_DIRECTIONS = 8;

using Directions = FixedList<int, MAX_DIRECTIONS>;

struct PieceMoves {
    Directions steps;
    Directions slides;
};

// [color][kind]: every move of the kind, and only its rank-gaining ones.
extern const PieceMoves (&ALL_MOVES)[COLOR_COUNT][KIND_COUNT];
extern const PieceMoves (&FORWARD_MOVES)[COLOR_COUNT][KIND_COUNT];

// The offsets by which some kind steps (eight neighbours, each color's two
// knight jumps), with the kinds of a color that step by each, as bits (1 << kind).
constexpr int STEP_OFFSET_COUNT = 12;
extern const int (&STEP_OFFSETS)[STEP_OFFSET_COUNT];
extern const unsigned (&STEPPING_KINDS)[COLOR_COUNT][STEP_OFFSET_COUNT];
// The eight slide directions, with the kinds of a color that slide along each.
constexpr int SLIDE_DIRECTION_COUNT = 8;
extern const int (&SLIDE_DIRECTIONS)[SLIDE_DIRECTION_COUNT];
extern const unsigned (&SLIDING_KINDS)[COLOR_COUNT][SLIDE_DIRECTION_COUNT];

constexpr unsigned kindBit(Kind k) { return 1u << k; }

}  // namespace engine
