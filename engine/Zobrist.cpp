#include "engine/Zobrist.h"

namespace engine::zobrist {
namespace {

// A fixed seed keeps keys, and so node-limited searches, the same on every run.
constexpr std::uint64_t SEED = 0x9E3779B97F4A7C15ull;

// SplitMix64: small, fast and well mixed, enough for hashing positions.
std::uint64_t nextRandom(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

struct Keys {
    Key pieceSquare[PIECE_CODE_COUNT][SQUARE_COUNT];
    Key handCount[COLOR_COUNT][HAND_KIND_COUNT][MAX_HAND_COUNT + 1];
    Key whiteToMove;

    Keys() {
        std::uint64_t state = SEED;
        for (auto& squares : pieceSquare)
            for (Key& k : squares) k = nextRandom(state);
        for (auto& kinds : handCount)
            for (auto& counts : kinds)
                for (Key& k : counts) k = nextRandom(state);
        whiteToMove = nextRandom(state);
    }
};

const Keys KEYS;

}  // namespace

const Key (&pieceSquare)[PIECE_CODE_COUNT][SQUARE_COUNT] = KEYS.pieceSquare;
const Key (&handCount)[COLOR_COUNT][HAND_KIND_COUNT][MAX_HAND_COUNT + 1] = KEYS.handCount;
const Key& whiteToMove = KEYS.whiteToMove;

}  // namespace engine::zobrist
