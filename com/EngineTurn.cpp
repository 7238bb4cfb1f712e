#include "com/EngineTurn.h"

#include "engine/GameBridge.h"
#include "game/Form1.h"
#include "game/PieceCode.h"

void Form1::searchWithEngine() {
    if (!engineSearcher) engineSearcher = std::make_shared<engine::Searcher>();
    auto search = std::make_shared<EngineSearch>();
    search->position = engine::positionFromGame(board, lowerHand, upperHand, /*lowerToMove=*/false);
    search->limits = engineNodeLimit > 0 ? engine::Limits{.nodes = engineNodeLimit} : engine::limitsOfLevel(comLevel);
    search->searcher = engineSearcher;
    engineSearch = search;
    comReplyPending = true;  // no clicks on the board while the engine thinks
    const int ticket = ++comReplyTicket;
    platform.inBackground([search] { search->run(); },
                          [this, search, ticket] {
                              if (ticket != comReplyTicket) return;  // called off meanwhile
                              comReplyPending = false;
                              engineSearch.reset();
                              playEngineMove(*search);
                          });
}

void Form1::playEngineMove(const EngineSearch& search) {
    Timer1_Timer();  // the thinking time, as the one-move computer counts it while it searches
    if (search.result.best == engine::NO_MOVE) {
        comHasNoMove();
        return;
    }
    const engine::GameMove m = engine::gameMoveOf(search.position, search.result.best);
    const int placed = m.promote ? piece::promoted(m.code) : m.code;
    playComMove({m.fromX, m.fromY, m.toX, m.toY, m.code, placed});
}
