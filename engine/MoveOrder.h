#pragma once
// The order in which the search tries moves: the table's move, then captures
// by the value they win (most valuable victim, least valuable attacker) and
// promotions, then the killers of this ply, then quiet moves by history.

#include "engine/MoveGen.h"

namespace engine {

// What the search has learnt about quiet moves: killers per ply and a
// history score per arriving piece and destination.
struct MoveHistory {
    static constexpr int KILLERS = 2;
    Move killers[MAX_PLY + 1][KILLERS]{};
    int history[PIECE_CODE_COUNT][SQUARE_COUNT]{};

    void rewardQuiet(const Position& pos, Move m, int ply, int depth);
    void clear();
};

class MoveOrder {
public:
    // Orders the list's moves in place as they are taken.
    MoveOrder(const Position& pos, MoveList& list, Move tableMove, const MoveHistory& history, int ply);
    // The next move to try, best first; NO_MOVE when all have been given.
    Move next();

private:
    MoveList& list_;
    int scores_[MAX_MOVES];
    int taken_ = 0;
};

// True for a move that captures or promotes.
bool isTactical(const Position& pos, Move m);

}  // namespace engine
