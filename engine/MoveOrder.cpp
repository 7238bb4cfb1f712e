#include "engine/MoveOrder.h"

#include <algorithm>

#include "engine/Evaluate.h"

namespace engine {
namespace {

constexpr int TABLE_MOVE_SCORE = 1 << 30;
constexpr int TACTICAL_SCORE = 1 << 28;
constexpr int KILLER_SCORE = 1 << 27;
constexpr int VICTIM_WEIGHT = 16;
constexpr int HISTORY_LIMIT = 1 << 24;

}  // namespace

bool isTactical(const Position& pos, Move m) { return pos.capturedBy(m) != EMPTY || isPromotion(m); }

void MoveHistory::rewardQuiet(const Position& pos, Move m, int ply, int depth) {
    if (killers[ply][0] != m) {
        killers[ply][1] = killers[ply][0];
        killers[ply][0] = m;
    }
    int& h = history[pos.movedPiece(m)][toSquare(m)];
    h = std::min(HISTORY_LIMIT, h + depth * depth);
}

void MoveHistory::clear() { *this = MoveHistory{}; }

MoveOrder::MoveOrder(const Position& pos, MoveList& list, Move tableMove, const MoveHistory& history, int ply)
    : list_(list) {
    for (int i = 0; i < list.size; ++i) {
        const Move m = list[i];
        int score;
        if (m == tableMove) {
            score = TABLE_MOVE_SCORE;
        } else if (isTactical(pos, m)) {
            const Kind victim = kindOf(pos.capturedBy(m));
            const Kind mover = isDrop(m) ? droppedKind(m) : kindOf(pos.at(fromSquare(m)));
            score = TACTICAL_SCORE + VICTIM_WEIGHT * pieceValue(victim) - pieceValue(mover) / VICTIM_WEIGHT;
            if (isPromotion(m)) score += pieceValue(promote(mover)) - pieceValue(mover);
        } else if (m == history.killers[ply][0]) {
            score = KILLER_SCORE + 1;
        } else if (m == history.killers[ply][1]) {
            score = KILLER_SCORE;
        } else {
            score = history.history[pos.movedPiece(m)][toSquare(m)];
        }
        scores_[i] = score;
    }
}

Move MoveOrder::next() {
    if (taken_ == list_.size) return NO_MOVE;
    // Selection: a cut-off usually comes early, so sorting all would be wasted.
    int best = taken_;
    for (int i = taken_ + 1; i < list_.size; ++i)
        if (scores_[i] > scores_[best]) best = i;
    std::swap(list_[taken_], list_[best]);
    std::swap(scores_[taken_], scores_[best]);
    return list_[taken_++];
}

}  // namespace engine
