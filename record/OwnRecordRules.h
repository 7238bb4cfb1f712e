#pragma once
// Our own record files come from our own games, so every move in one must be
// a move a click could have made: the move check with the forward rule, a
// promotion only where it is allowed, and no piece left where it could never
// move again. A damaged file that keeps its bookkeeping straight is caught here.

#include <vector>

#include "record/KifuFormat.h"

namespace kifu {

// 0 when every move passes the game's rules from the initial position, else
// the number (1-based) of the first that does not. The moves must already be
// consistent (firstInconsistentMove).
int firstMoveAgainstTheRules(const std::vector<MoveLine>& moves);

}  // namespace kifu
