#pragma once
// Rules of the piece codes that every part of the game reads: the sign is the
// owner, the magnitude the kind, and a promoted kind is one further from zero.

#include "game/Vocabulary.h"

namespace piece {

using V = Vocabulary;

constexpr bool isUpper(int code) { return code >= V::PAWN; }
constexpr bool isLower(int code) { return code <= -V::PAWN; }
constexpr int abs(int code) { return code < 0 ? -code : code; }

// The promoted code of an unpromoted one.
constexpr int promoted(int code) { return code > 0 ? code + 1 : code - 1; }

// The hand a captured piece returns to; 0 for a king or no piece.
constexpr int handIndex(int code) {
    switch (abs(code)) {
    case V::PAWN: case V::TOKIN: return V::HAND_PAWN;
    case V::LANCE: case V::PROMOTED_LANCE: return V::HAND_LANCE;
    case V::KNIGHT: case V::PROMOTED_KNIGHT: return V::HAND_KNIGHT;
    case V::SILVER: case V::PROMOTED_SILVER: return V::HAND_SILVER;
    case V::GOLD: case V::GOLD_SPARE: return V::HAND_GOLD;
    case V::BISHOP: case V::HORSE: return V::HAND_BISHOP;
    case V::ROOK: case V::DRAGON: return V::HAND_ROOK;
    default: return 0;
    }
}

// The upper side's unpromoted code of a hand index (negate for the lower side).
constexpr int ofHandIndex(int k) {
    constexpr int codes[V::HAND_KINDS + 1] = {V::EMPTY,  V::PAWN, V::LANCE,  V::KNIGHT,
                                              V::SILVER, V::GOLD, V::BISHOP, V::ROOK};
    return k >= V::HAND_PAWN && k <= V::HAND_ROOK ? codes[k] : V::EMPTY;
}

// Stand rows: the lower stand lists pawn to rook downwards from row 3, the
// upper stand pawn to rook upwards from row 7.
constexpr int lowerStandRow(int k) { return k + 2; }
constexpr int upperStandRow(int k) { return 8 - k; }
constexpr int handIndexOfLowerStandRow(int row) { return row - 2; }
constexpr int handIndexOfUpperStandRow(int row) { return 8 - row; }
constexpr bool isDropSource(int fromX) { return fromX == V::LOWER_STAND_X || fromX == V::UPPER_STAND_X; }

// Codes of the piece table that may stand on the board (not the spare golds).
constexpr bool isBoardCode(int code) {
    switch (abs(code)) {
    case V::PAWN: case V::TOKIN: case V::LANCE: case V::PROMOTED_LANCE: case V::KNIGHT: case V::PROMOTED_KNIGHT:
    case V::SILVER: case V::PROMOTED_SILVER: case V::GOLD: case V::BISHOP: case V::HORSE: case V::ROOK:
    case V::DRAGON: case V::KING: return true;
    default: return false;
    }
}

// Kinds that can promote (pawn, lance, knight, silver, bishop, rook).
constexpr bool canPromote(int code) {
    switch (abs(code)) {
    case V::PAWN: case V::LANCE: case V::KNIGHT: case V::SILVER: case V::BISHOP: case V::ROOK: return true;
    default: return false;
    }
}

// Promoted kinds (tokin, promoted lance, knight and silver, horse, dragon).
constexpr bool isPromoted(int code) {
    switch (abs(code)) {
    case V::TOKIN: case V::PROMOTED_LANCE: case V::PROMOTED_KNIGHT: case V::PROMOTED_SILVER: case V::HORSE:
    case V::DRAGON: return true;
    default: return false;
    }
}

// Kinds that can be held in hand: the unpromoted kinds other than the king.
constexpr bool isHandKind(int code) { return canPromote(code) || abs(code) == V::GOLD; }

}  // namespace piece
