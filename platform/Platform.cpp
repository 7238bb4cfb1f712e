#include "platform/Platform.h"

#include "game/PieceCode.h"

bool Platform::hasPicture(int code) {
    using V = Vocabulary;
    const bool backgroundTile = code >= V::BG_MIDORI && code <= V::BG_RENGA;
    return code == V::EMPTY || code == V::LOGO || backgroundTile || piece::isBoardCode(code);
}
