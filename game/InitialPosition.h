#pragma once
// The initial position, rows 1..9 top to bottom, columns 1..9 left to right:
// the upper side's rook on (2, 2) and bishop on (8, 2), the lower side's
// bishop on (2, 8) and rook on (8, 8).

#include <array>

#include "game/Vocabulary.h"

inline constexpr std::array<std::array<int, 9>, 9> INITIAL_POSITION = [] {
    using V = Vocabulary;
    constexpr int l = V::UPPER_LANCE, n = V::UPPER_KNIGHT, s = V::UPPER_SILVER, g = V::UPPER_GOLD;
    constexpr int k = V::UPPER_KING, r = V::UPPER_ROOK, b = V::UPPER_BISHOP, p = V::UPPER_PAWN;
    constexpr int L = V::LOWER_LANCE, N = V::LOWER_KNIGHT, S = V::LOWER_SILVER, G = V::LOWER_GOLD;
    constexpr int K = V::LOWER_KING, R = V::LOWER_ROOK, B = V::LOWER_BISHOP, P = V::LOWER_PAWN;
    constexpr int _ = V::EMPTY;
    return std::array<std::array<int, 9>, 9>{{
        {l, n, s, g, k, g, s, n, l},
        {_, r, _, _, _, _, _, b, _},
        {p, p, p, p, p, p, p, p, p},
        {_, _, _, _, _, _, _, _, _},
        {_, _, _, _, _, _, _, _, _},
        {_, _, _, _, _, _, _, _, _},
        {P, P, P, P, P, P, P, P, P},
        {_, B, _, _, _, _, _, R, _},
        {L, N, S, G, K, G, S, N, L},
    }};
}();
