#include "engine/PieceMoves.h"

#include <initializer_list>

namespace engine {
namespace {

// A direction as a file change and a rank change counted towards the mover's far side.
struct Delta {
    int dx, ahead;
};

constexpr Delta NEIGHBOURS[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr Delta KNIGHT_JUMPS[] = {{-1, 2}, {1, 2}};
constexpr Delta DIAGONALS[] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Delta ORTHOGONALS[] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
constexpr Delta GOLD_STEPS[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
constexpr Delta SILVER_STEPS[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Delta AHEAD[] = {{0, 1}};

int offsetOf(Color c, Delta d) { return d.dx * FILE_STRIDE + d.ahead * forwardStep(c); }

template <std::size_t N>
void add(Directions& to, Color c, const Delta (&deltas)[N], bool forwardOnly) {
    for (const Delta& d : deltas)
        if (!forwardOnly || d.ahead > 0) to.add(offsetOf(c, d));
}

struct Tables {
    PieceMoves all[COLOR_COUNT][KIND_COUNT];
    PieceMoves forward[COLOR_COUNT][KIND_COUNT];
    int stepOffsets[STEP_OFFSET_COUNT];
    unsigned steppingKinds[COLOR_COUNT][STEP_OFFSET_COUNT]{};
    int slideDirections[SLIDE_DIRECTION_COUNT];
    unsigned slidingKinds[COLOR_COUNT][SLIDE_DIRECTION_COUNT]{};

    static void fill(PieceMoves& m, Color c, Kind k, bool forwardOnly) {
        switch (k) {
        case PAWN: add(m.steps, c, AHEAD, forwardOnly); break;
        case LANCE: add(m.slides, c, AHEAD, forwardOnly); break;
        case KNIGHT: add(m.steps, c, KNIGHT_JUMPS, forwardOnly); break;
        case SILVER: add(m.steps, c, SILVER_STEPS, forwardOnly); break;
        case GOLD:
        case PRO_PAWN:
        case PRO_LANCE:
        case PRO_KNIGHT:
        case PRO_SILVER: add(m.steps, c, GOLD_STEPS, forwardOnly); break;
        case BISHOP: add(m.slides, c, DIAGONALS, forwardOnly); break;
        case ROOK: add(m.slides, c, ORTHOGONALS, forwardOnly); break;
        case HORSE:
            add(m.steps, c, ORTHOGONALS, forwardOnly);
            add(m.slides, c, DIAGONALS, forwardOnly);
            break;
        case DRAGON:
            add(m.steps, c, DIAGONALS, forwardOnly);
            add(m.slides, c, ORTHOGONALS, forwardOnly);
            break;
        case KING: add(m.steps, c, NEIGHBOURS, forwardOnly); break;
        default: break;
        }
    }

    Tables() {
        int n = 0;
        for (const Delta& d : NEIGHBOURS) stepOffsets[n++] = offsetOf(BLACK, d);
        for (Color c : {BLACK, WHITE})
            for (const Delta& d : KNIGHT_JUMPS) stepOffsets[n++] = offsetOf(c, d);
        n = 0;
        for (const Delta& d : NEIGHBOURS) slideDirections[n++] = offsetOf(BLACK, d);

        for (Color c : {BLACK, WHITE})
            for (int k = PAWN; k < KIND_COUNT; ++k) {
                fill(all[c][k], c, Kind(k), false);
                fill(forward[c][k], c, Kind(k), true);
                const PieceMoves& m = all[c][k];
                for (int i = 0; i < m.steps.size; ++i)
                    for (int j = 0; j < STEP_OFFSET_COUNT; ++j)
                        if (stepOffsets[j] == m.steps[i]) steppingKinds[c][j] |= kindBit(Kind(k));
                for (int i = 0; i < m.slides.size; ++i)
                    for (int j = 0; j < SLIDE_DIRECTION_COUNT; ++j)
                        if (slideDirections[j] == m.slides[i]) slidingKinds[c][j] |= kindBit(Kind(k));
            }
    }
};

const Tables TABLES;

}  // namespace

const PieceMoves (&ALL_MOVES)[COLOR_COUNT][KIND_COUNT] = TABLES.all;
const PieceMoves (&FORWARD_MOVES)[COLOR_COUNT][KIND_COUNT] = TABLES.forward;
const int (&STEP_OFFSETS)[STEP_OFFSET_COUNT] = TABLES.stepOffsets;
const unsigned (&STEPPING_KINDS)[COLOR_COUNT][STEP_OFFSET_COUNT] = TABLES.steppingKinds;
const int (&SLIDE_DIRECTIONS)[SLIDE_DIRECTION_COUNT] = TABLES.slideDirections;
const unsigned (&SLIDING_KINDS)[COLOR_COUNT][SLIDE_DIRECTION_COUNT] = TABLES.slidingKinds;

}  // namespace engine
