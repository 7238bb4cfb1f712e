#include "com/ReachableSquares.h"

#include <initializer_list>

#include "com/Squares.h"
#include "game/PieceCode.h"

namespace com {

SquareSet reachableSquares(const int (&board)[10][10], int x, int y, int code) {
    SquareSet set;
    const auto line = [&](int dx, int dy) {
        for (int tx = x + dx, ty = y + dy; Vocabulary::onBoard(tx, ty); tx += dx, ty += dy) {
            set.add(tx, ty);
            if (board[tx][ty] != 0) break;
        }
    };
    const auto neighbours = [&] {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if ((dx || dy) && Vocabulary::onBoard(x + dx, y + dy)) set.add(x + dx, y + dy);
    };
    const int forward = code > 0 ? 1 : -1;
    switch (piece::abs(code)) {
        case 20: line(0, forward); break;
        case 30:
            for (int dx : {-1, 1})
                if (Vocabulary::onBoard(x + dx, y + 2 * forward)) set.add(x + dx, y + 2 * forward);
            break;
        case 800:
        case 801:
            for (int dx : {-1, 1})
                for (int dy : {-1, 1}) line(dx, dy);
            if (piece::abs(code) == 801) neighbours();
            break;
        case 900:
        case 901:
            line(0, 1), line(0, -1), line(1, 0), line(-1, 0);
            if (piece::abs(code) == 901) neighbours();
            break;
        default: neighbours(); break;
    }
    return set;
}

}  // namespace com
