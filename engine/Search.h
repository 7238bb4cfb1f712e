#pragma once
// The search: iterative deepening of a principal-variation alpha-beta search
// with a transposition table, null-move pruning, late-move reductions and a
// quiescence search of captures and promotions. One search runs on one
// thread; another thread may stop it at any moment through the flag it is
// given, and it answers the best move of its last finished depth.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/Limits.h"
#include "engine/Position.h"
#include "engine/TranspositionTable.h"

namespace engine {

// A report after each finished depth (and once at the end).
struct SearchInfo {
    int depth = 0;
    Value score = 0;  // from the side to move's point of view
    std::uint64_t nodes = 0;
    std::int64_t elapsedMs = 0;
    std::vector<Move> pv;
};

struct SearchResult {
    Move best = NO_MOVE;  // NO_MOVE only when the side to move has no move at all
    Value score = 0;
    int depth = 0;
    std::uint64_t nodes = 0;
    std::int64_t elapsedMs = 0;
    std::vector<Move> pv;
};

// Mate scores as USI reports them: the plies until the king falls (or the
// mate), negative when the side to move loses; 0 for an ordinary score.
int matePlies(Value score);

class Searcher {
public:
    using InfoSink = std::function<void(const SearchInfo&)>;

    explicit Searcher(std::size_t hashMegabytes = TranspositionTable::DEFAULT_MEGABYTES);
    ~Searcher();
    void setHashMegabytes(std::size_t megabytes);

    // Searches `root` within `limits` until done or `stop` turns true. Each
    // search starts from empty tables, so a node-limited search of a
    // position always gives the same move.
    SearchResult search(const Position& root, const Limits& limits, const std::atomic<bool>& stop,
                        const InfoSink& onInfo = {});

private:
    struct Worker;
    TranspositionTable table_;
    std::unique_ptr<Worker> worker_;
};

}  // namespace engine
