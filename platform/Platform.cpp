#include "platform/Platform.h"

#include "game/PieceCode.h"

bool Platform::hasPicture(int code) {
    switch (code) {
    case 0:                          // empty square
    case 1:                          // title
    case 2: case 3: case 4: case 5: case 6:  // background tiles
        return true;
    default:
        return piece::isBoardCode(code);
    }
}
