#include "match/Openings.h"

#include <random>

#include "engine/Attacks.h"
#include "engine/Legality.h"
#include "engine/Notation.h"

namespace match {
namespace {

constexpr int TRIES_PER_OPENING = 100;

// The side to move can play on without the game being already decided.
bool undecided(engine::Position& pos) {
    if (engine::hasNoLegalMove(pos)) return false;
    return pos.rules() != engine::Rules::Forward || (!engine::canCaptureKing(pos) && !engine::inCheck(pos));
}

}  // namespace

std::vector<std::vector<std::string>> randomOpenings(int count, int plies, engine::Rules rules, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string error;
    const engine::Position start = *engine::positionFromSfen(engine::START_SFEN, rules, error);
    std::vector<std::vector<std::string>> openings;
    while (static_cast<int>(openings.size()) < count) {
        for (int attempt = 0; attempt < TRIES_PER_OPENING; ++attempt) {
            engine::Position pos = start;
            std::vector<std::string> moves;
            bool ok = true;
            for (int ply = 0; ply < plies && ok; ++ply) {
                engine::MoveList list;
                engine::generateLegalMoves(pos, list);
                const engine::Move m = list[static_cast<int>(random() % static_cast<unsigned>(list.size))];
                moves.push_back(engine::usiOf(m));
                pos.makeMove(m);
                ok = undecided(pos);
            }
            if (ok) {
                openings.push_back(std::move(moves));
                break;
            }
        }
    }
    return openings;
}

}  // namespace match
