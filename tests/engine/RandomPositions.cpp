#include "tests/engine/RandomPositions.h"

#include <utility>
#include <vector>

namespace engine_test {
namespace {

// The unpromoted codes of one side's set without the king, and the game's hand index of each.
constexpr std::pair<int, int> SET[] = {{10, 1},  {10, 1},  {10, 1},  {10, 1},  {10, 1}, {10, 1}, {10, 1},
                                       {10, 1},  {10, 1},  {20, 2},  {20, 2},  {30, 3}, {30, 3}, {100, 4},
                                       {100, 4}, {110, 5}, {110, 5}, {800, 6}, {900, 7}};
constexpr int KING = 950;
constexpr int PROMOTION_ODDS = 4;  // one board piece in this many that can promote is promoted
constexpr int IN_HAND_ODDS = 4;    // one piece in this many goes to a hand
constexpr int BOARD_TRIES = 40;

bool promotable(int code) { return code != 110; }

// A piece that could never move again is not a position the game can reach.
bool dead(int code, int y) {
    const int rank = code > 0 ? 10 - y : y;  // 1 is the owner's last rank
    switch (code < 0 ? -code : code) {
    case 10:
    case 20: return rank == 1;
    case 30: return rank <= 2;
    default: return false;
    }
}

bool pawnOnFile(const GamePosition& p, int code, int x) {
    for (int y = 1; y <= 9; ++y)
        if (p.board[x][y] == code) return true;
    return false;
}

bool placeAtRandom(GamePosition& p, int code, std::mt19937& random) {
    std::uniform_int_distribution<int> square(1, 9);
    for (int attempt = 0; attempt < BOARD_TRIES; ++attempt) {
        const int x = square(random), y = square(random);
        if (p.board[x][y] != 0 || dead(code, y)) continue;
        if ((code == 10 || code == -10) && pawnOnFile(p, code, x)) continue;
        p.board[x][y] = code;
        return true;
    }
    return false;
}

}  // namespace

GamePosition randomGamePosition(std::mt19937& random) {
    GamePosition p;
    std::bernoulli_distribution coin(0.5);
    placeAtRandom(p, -KING, random);
    placeAtRandom(p, KING, random);
    for (const bool lower : {true, false})
        for (const auto& [code, handIndex] : SET) {
            // Each piece of the full set goes to either side, on the board or in hand.
            const bool ownerLower = coin(random) ? lower : !lower;
            int placed = ownerLower ? -code : code;
            if (random() % IN_HAND_ODDS == 0) {
                (ownerLower ? p.lowerHand : p.upperHand)[handIndex] += 1;
                continue;
            }
            if (promotable(code) && random() % PROMOTION_ODDS == 0) placed += placed > 0 ? 1 : -1;
            if (!placeAtRandom(p, placed, random)) (ownerLower ? p.lowerHand : p.upperHand)[handIndex] += 1;
        }
    p.lowerToMove = coin(random);
    return p;
}

}  // namespace engine_test
