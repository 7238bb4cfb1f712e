#pragma once
// Rules of the piece codes that every part of the game reads: the sign is the
// owner, the magnitude the kind, and a promoted kind is one further from zero.

namespace piece {

constexpr bool isUpper(int code) { return code >= 10; }
constexpr bool isLower(int code) { return code <= -10; }
constexpr int abs(int code) { return code < 0 ? -code : code; }

// The promoted code of an unpromoted one.
constexpr int promoted(int code) { return code > 0 ? code + 1 : code - 1; }

// The hand a captured piece returns to: 1 pawn .. 7 rook; 0 for a king or no piece.
constexpr int handIndex(int code) {
    switch (abs(code)) {
    case 10: case 11: return 1;
    case 20: case 21: return 2;
    case 30: case 31: return 3;
    case 100: case 101: return 4;
    case 110: case 111: return 5;
    case 800: case 801: return 6;
    case 900: case 901: return 7;
    default: return 0;
    }
}

// The upper side's unpromoted code of hand index 1..7 (negate for the lower side).
constexpr int ofHandIndex(int k) {
    constexpr int codes[8] = {0, 10, 20, 30, 100, 110, 800, 900};
    return k >= 1 && k <= 7 ? codes[k] : 0;
}

// Pieces in hand are addressed as squares of their side's stand.
constexpr int LOWER_STAND_X = 11;
constexpr int UPPER_STAND_X = -1;
constexpr int lowerStandRow(int k) { return k + 2; }
constexpr int upperStandRow(int k) { return 8 - k; }
constexpr bool isDropSource(int fromX) { return fromX == LOWER_STAND_X || fromX == UPPER_STAND_X; }

// Codes of the piece table that may stand on the board (not the spare golds).
constexpr bool isBoardCode(int code) {
    switch (abs(code)) {
    case 10: case 11: case 20: case 21: case 30: case 31: case 100: case 101:
    case 110: case 800: case 801: case 900: case 901: case 950: return true;
    default: return false;
    }
}

// Kinds that can promote (pawn, lance, knight, silver, bishop, rook).
constexpr bool canPromote(int code) {
    switch (abs(code)) {
    case 10: case 20: case 30: case 100: case 800: case 900: return true;
    default: return false;
    }
}

// Kinds that can be held in hand: the unpromoted kinds other than the king.
constexpr bool isHandKind(int code) { return canPromote(code) || abs(code) == 110; }

}  // namespace piece
