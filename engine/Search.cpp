#include "engine/Search.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "engine/Attacks.h"
#include "engine/Evaluate.h"
#include "engine/Legality.h"
#include "engine/MoveOrder.h"
#include "engine/TimeBudget.h"

namespace engine {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int MAX_SEARCH_DEPTH = 64;
constexpr std::uint64_t STOP_CHECK_INTERVAL = 1024;  // nodes between looks at the clock and the flag
constexpr int ASPIRATION_MIN_DEPTH = 5;
constexpr Value ASPIRATION_WINDOW = 60;
constexpr int NULL_MOVE_MIN_DEPTH = 3;
constexpr int NULL_MOVE_REDUCTION = 3;
constexpr int NULL_MOVE_DEPTH_DIVISOR = 6;  // deeper searches reduce the null move more
constexpr int FUTILITY_MAX_DEPTH = 3;
constexpr Value FUTILITY_MARGIN = 120;  // per ply of depth left
constexpr int REDUCTION_MIN_DEPTH = 3;
constexpr int FULL_DEPTH_MOVES = 3;  // tried unreduced, and two more at PV nodes
constexpr int PV_EXTRA_FULL_DEPTH_MOVES = 2;
constexpr double REDUCTION_BASE = 0.75;
constexpr double REDUCTION_DIVISOR = 2.25;
constexpr Value DELTA_MARGIN = 200;          // what a quiet capture may still win positionally
constexpr int QUIESCENCE_EVASION_PLIES = 1;  // a check at the first quiescence ply is answered in full
constexpr int REDUCTION_TABLE_SIZE = 64;

// Late-move reductions by depth and move number, in plies.
struct Reductions {
    int plies[REDUCTION_TABLE_SIZE][REDUCTION_TABLE_SIZE]{};
    Reductions() {
        for (int d = 1; d < REDUCTION_TABLE_SIZE; ++d)
            for (int m = 1; m < REDUCTION_TABLE_SIZE; ++m)
                plies[d][m] = static_cast<int>(REDUCTION_BASE + std::log(d) * std::log(m) / REDUCTION_DIVISOR);
    }
    int operator()(int depth, int moveNumber) const {
        return plies[std::min(depth, REDUCTION_TABLE_SIZE - 1)][std::min(moveNumber, REDUCTION_TABLE_SIZE - 1)];
    }
};

const Reductions REDUCTIONS;

bool isMateScore(Value v) { return v >= VALUE_MATE_IN_MAX_PLY || v <= -VALUE_MATE_IN_MAX_PLY; }

}  // namespace

int matePlies(Value score) {
    if (score >= VALUE_MATE_IN_MAX_PLY) return VALUE_MATE - score;
    if (score <= -VALUE_MATE_IN_MAX_PLY) return -(VALUE_MATE + score);
    return 0;
}

struct Searcher::Worker {
    Position pos;
    TranspositionTable* table = nullptr;
    MoveHistory history;
    const std::atomic<bool>* stop = nullptr;
    Limits limits;
    TimeBudget budget;
    Clock::time_point start;
    std::uint64_t nodes = 0;
    bool stopped = false;
    bool mayStop = false;  // the first depth always finishes, so there is a move to give
    Move pv[MAX_PLY + 1][MAX_PLY + 1]{};
    int pvLength[MAX_PLY + 1]{};

    std::int64_t elapsedMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    }

    // Counts the node and tells whether the search must end now.
    bool visitNode() {
        ++nodes;
        if (!mayStop) return false;
        if (stopped) return true;
        if (limits.nodes != 0 && nodes >= limits.nodes) return stopped = true;
        if (nodes % STOP_CHECK_INTERVAL != 0) return false;
        if (stop->load(std::memory_order_relaxed)) return stopped = true;
        if (budget.hardMs > 0 && elapsedMs() >= budget.hardMs) return stopped = true;
        return false;
    }

    void updatePv(int ply, Move m) {
        pv[ply][ply] = m;
        for (int i = ply + 1; i < pvLength[ply + 1]; ++i) pv[ply][i] = pv[ply + 1][i];
        pvLength[ply] = std::max(pvLength[ply + 1], ply + 1);
    }

    Value quiesce(Value alpha, Value beta, int ply, int quiescencePly);
    Value search(Value alpha, Value beta, int depth, int ply, bool pvNode, bool nullAllowed);
    Value searchRoot(int depth, Value previous);
};

Value Searcher::Worker::quiesce(Value alpha, Value beta, int ply, int quiescencePly) {
    pvLength[ply] = ply;
    if (visitNode()) return VALUE_ZERO;
    if (pos.rules() == Rules::Forward && canCaptureKing(pos)) return mateIn(ply);
    if (ply >= MAX_PLY - 1) return evaluate(pos);

    const bool evasions = quiescencePly < QUIESCENCE_EVASION_PLIES && inCheck(pos);
    Value bestValue = -VALUE_INFINITE;
    Value standPat = -VALUE_INFINITE;
    if (!evasions) {
        standPat = evaluate(pos);
        if (standPat >= beta) return standPat;
        alpha = std::max(alpha, standPat);
        bestValue = standPat;
    }
    MoveList list;
    if (evasions)
        generateMoves(pos, list);
    else
        generateTacticalMoves(pos, list);
    MoveOrder order(pos, list, NO_MOVE, history, ply);
    int legal = 0;
    for (Move m = order.next(); m != NO_MOVE; m = order.next()) {
        if (!evasions) {
            Value gain = pieceValue(kindOf(pos.capturedBy(m)));
            if (isPromotion(m))
                gain += pieceValue(kindOf(pos.movedPiece(m))) - pieceValue(kindOf(pos.at(fromSquare(m))));
            if (standPat + gain + DELTA_MARGIN < alpha && kindOf(pos.capturedBy(m)) != KING) continue;
        }
        pos.makeMove(m);
        if (!wasLegal(pos, m)) {
            pos.unmakeMove(m);
            continue;
        }
        ++legal;
        const Value v = -quiesce(-beta, -alpha, ply + 1, quiescencePly + 1);
        pos.unmakeMove(m);
        if (stopped) return VALUE_ZERO;
        if (v > bestValue) {
            bestValue = v;
            if (v > alpha) {
                alpha = v;
                updatePv(ply, m);
                if (v >= beta) break;
            }
        }
    }
    if (evasions && legal == 0) return matedIn(ply);
    return bestValue;
}

Value Searcher::Worker::search(Value alpha, Value beta, int depth, int ply, bool pvNode, bool nullAllowed) {
    if (depth <= 0) return quiesce(alpha, beta, ply, 0);
    pvLength[ply] = ply;
    const bool root = ply == 0;
    if (visitNode()) return VALUE_ZERO;
    if (pos.rules() == Rules::Forward && canCaptureKing(pos)) return mateIn(ply);
    if (!root) {
        if (pos.repetitions() > 0) return VALUE_ZERO;
        if (ply >= MAX_PLY - 1) return evaluate(pos);
        // No line from here can beat a mate already found nearer the root.
        alpha = std::max(alpha, matedIn(ply));
        beta = std::min(beta, mateIn(ply + 1));
        if (alpha >= beta) return alpha;
    }

    const Key key = pos.key();
    const TableEntry* entry = table->probe(key);
    const Move tableMove = entry ? entry->move : NO_MOVE;
    if (entry && !pvNode && entry->depth >= depth) {
        const Value v = valueFromTable(entry->value, ply);
        if (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && v >= beta) ||
            (entry->bound == Bound::Upper && v <= alpha))
            return v;
    }

    const bool checked = inCheck(pos);
    if (checked) ++depth;  // answering a check is forced: look one ply further
    const Value staticEval = checked ? -VALUE_INFINITE : evaluate(pos);
    if (!pvNode && !checked && !kingPressed(pos)) {
        if (depth <= FUTILITY_MAX_DEPTH && !isMateScore(beta) && staticEval - FUTILITY_MARGIN * depth >= beta)
            return staticEval;
        if (nullAllowed && depth >= NULL_MOVE_MIN_DEPTH && staticEval >= beta) {
            const int reduction = NULL_MOVE_REDUCTION + depth / NULL_MOVE_DEPTH_DIVISOR;
            pos.makeNullMove();
            const Value v = -search(-beta, -beta + 1, depth - 1 - reduction, ply + 1, false, false);
            pos.unmakeNullMove();
            if (stopped) return VALUE_ZERO;
            if (v >= beta) return v >= VALUE_MATE_IN_MAX_PLY ? beta : v;
        }
    }

    MoveList list;
    generateMoves(pos, list);
    MoveOrder order(pos, list, root ? pv[0][0] : tableMove, history, ply);
    const Value originalAlpha = alpha;
    Value bestValue = -VALUE_INFINITE;
    Move bestMove = NO_MOVE;
    int legal = 0;
    for (Move m = order.next(); m != NO_MOVE; m = order.next()) {
        const bool tactical = isTactical(pos, m);
        pos.makeMove(m);
        if (!wasLegal(pos, m)) {
            pos.unmakeMove(m);
            continue;
        }
        ++legal;
        const bool givesCheck = inCheck(pos);
        const int newDepth = depth - 1;
        Value v;
        if (legal == 1) {
            v = -search(-beta, -alpha, newDepth, ply + 1, pvNode, true);
        } else {
            int reduction = 0;
            const int fullDepthMoves = FULL_DEPTH_MOVES + (pvNode ? PV_EXTRA_FULL_DEPTH_MOVES : 0);
            if (depth >= REDUCTION_MIN_DEPTH && !tactical && !checked && !givesCheck && legal > fullDepthMoves)
                reduction = std::clamp(REDUCTIONS(depth, legal) - (pvNode ? 1 : 0), 0, newDepth - 1);
            v = -search(-alpha - 1, -alpha, newDepth - reduction, ply + 1, false, true);
            if (v > alpha && reduction > 0) v = -search(-alpha - 1, -alpha, newDepth, ply + 1, false, true);
            if (v > alpha && v < beta && pvNode) v = -search(-beta, -alpha, newDepth, ply + 1, true, true);
        }
        pos.unmakeMove(m);
        if (stopped) return VALUE_ZERO;
        if (v <= bestValue) continue;
        bestValue = v;
        if (v <= alpha) continue;
        alpha = v;
        bestMove = m;
        updatePv(ply, m);
        if (v >= beta) {
            if (!tactical) history.rewardQuiet(pos, m, ply, depth);
            break;
        }
    }
    if (legal == 0) return matedIn(ply);  // no move left loses, in both rule sets

    const Bound bound = bestValue >= beta ? Bound::Lower : bestValue > originalAlpha ? Bound::Exact : Bound::Upper;
    table->store(key, bestMove, valueToTable(bestValue, ply), depth, bound);
    return bestValue;
}

// One depth at the root, in a narrow window around the last score that
// widens whenever the score falls outside it.
Value Searcher::Worker::searchRoot(int depth, Value previous) {
    Value window = ASPIRATION_WINDOW;
    Value alpha = -VALUE_INFINITE, beta = VALUE_INFINITE;
    if (depth >= ASPIRATION_MIN_DEPTH && !isMateScore(previous)) {
        alpha = previous - window;
        beta = previous + window;
    }
    for (;;) {
        const Value v = search(alpha, beta, depth, 0, true, false);
        if (stopped) return v;
        if (v <= alpha && alpha > -VALUE_INFINITE) {
            alpha = std::max<Value>(-VALUE_INFINITE, v - window);
        } else if (v >= beta && beta < VALUE_INFINITE) {
            beta = std::min<Value>(VALUE_INFINITE, v + window);
        } else {
            return v;
        }
        window *= 2;
    }
}

Searcher::Searcher(std::size_t hashMegabytes) : table_(hashMegabytes), worker_(std::make_unique<Worker>()) {}

Searcher::~Searcher() = default;

void Searcher::setHashMegabytes(std::size_t megabytes) { table_.resize(megabytes); }

SearchResult Searcher::search(const Position& root, const Limits& limits, const std::atomic<bool>& stop,
                              const InfoSink& onInfo) {
    Worker& w = *worker_;
    w.pos = root;
    w.table = &table_;
    w.stop = &stop;
    w.limits = limits;
    w.budget = budgetFor(limits);
    w.start = Clock::now();
    w.nodes = 0;
    w.stopped = false;
    w.mayStop = false;
    w.history.clear();
    w.pv[0][0] = NO_MOVE;
    table_.clear();

    SearchResult result;
    MoveList rootMoves;
    generateLegalMoves(w.pos, rootMoves);
    if (rootMoves.size == 0) {
        result.score = matedIn(0);
        return result;
    }
    result.best = rootMoves[0];
    if (root.rules() == Rules::Forward && canCaptureKing(w.pos)) {
        // Taking the king ends the game: nothing to search.
        for (const Move m : rootMoves)
            if (kindOf(w.pos.capturedBy(m)) == KING) result.best = m;
        result.score = mateIn(1);
        result.pv = {result.best};
        return result;
    }

    const int maxDepth = limits.depth > 0 ? std::min(limits.depth, MAX_SEARCH_DEPTH) : MAX_SEARCH_DEPTH;
    for (int depth = 1; depth <= maxDepth; ++depth) {
        const Value v = w.searchRoot(depth, result.score);
        w.mayStop = true;
        if (w.stopped || w.pvLength[0] == 0) break;
        result.best = w.pv[0][0];
        result.score = v;
        result.depth = depth;
        result.pv.assign(w.pv[0], w.pv[0] + w.pvLength[0]);
        result.nodes = w.nodes;
        result.elapsedMs = w.elapsedMs();
        if (onInfo) onInfo({depth, v, w.nodes, result.elapsedMs, result.pv});
        if (v >= VALUE_MATE_IN_MAX_PLY && !limits.infinite) break;  // a forced win needs no more looking
        if (stop.load() || (w.budget.softMs > 0 && result.elapsedMs >= w.budget.softMs)) break;
        if (limits.nodes != 0 && w.nodes >= limits.nodes) break;
    }
    result.nodes = w.nodes;
    result.elapsedMs = w.elapsedMs();
    return result;
}

}  // namespace engine
