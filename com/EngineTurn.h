#pragma once
// Levels 4 and 5: the searching engine chooses the computer's move. The search
// works on a copy of the position, away from the window's thread; the game
// waits for its answer (the board takes no clicks meanwhile) and plays it as
// the one-move computer plays its own.

#include <atomic>
#include <memory>

#include "engine/Limits.h"
#include "engine/Position.h"
#include "engine/Search.h"

// One search under way: everything the worker touches is here, never in the
// game object, so that the game may go on (or go away) while it runs.
struct EngineSearch {
    engine::Position position;
    engine::Limits limits;
    std::shared_ptr<engine::Searcher> searcher;
    std::atomic<bool> stop{false};
    engine::SearchResult result;

    void run() { result = searcher->search(position, limits, stop); }
};
