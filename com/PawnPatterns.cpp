// Level-3 patterns of a pawn: the drops and pushes a human player would make
// against the lower pieces in front of it, the lance and knight drops it
// prepares, and how the pieces behind it support it.

#include <initializer_list>

#include "com/PiecePatterns.h"
#include "com/Squares.h"
#include "game/Form1.h"

namespace com {

namespace {

// Rows for every pawn, dropped or moved.
Score anyPawn(Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    const int ahead = at(f.board, x, y + 1);
    if (f.upperHand[Form1::HAND_LANCE] > 0) s += pts(f.調査_香狙い(x, y));
    if (f.upperHand[Form1::HAND_KNIGHT] > 0) s += pts(f.調査_桂狙い(x, y));
    if (y < 9 && ahead == Form1::UPPER_GOLD)
        s += 0.5_pt;
    else if (ahead == Form1::UPPER_ROOK)
        s -= 1_pt;
    // A lower piece in front that has nowhere safe to go is as good as won.
    if (ahead < Form1::LOWER_PAWN && f.調査_移動可場所数(x, y + 1, ahead) == 0) s += pts(-ahead);
    if (f.upperInfluence[x][y] > 0 && x > 1 && x < 9 &&
        (f.board[x - 1][y] == Form1::UPPER_ROOK || f.board[x + 1][y] == Form1::UPPER_ROOK))
        s -= 1_pt;
    return s;
}

Score pawnDrop(Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    const int upper = f.upperInfluence[x][y];
    if (upper > 0 && y > 1 && f.board[x][y - 1] >= Form1::UPPER_SILVER && (f.lowerHand[Form1::HAND_PAWN] > 0 || f.lowerHand[Form1::HAND_LANCE] > 0))
        s += 6_pt;
    if (f.board[2][8] == Form1::LOWER_BISHOP && x == 2 && y == 7 && (f.lowerInfluence[x][y] == 0 || upper > 0))
        s += 30_pt;
    // A guarded pawn dropped in front of a lower rook or lance on its file.
    const int ax = f.lowerAttackerX[x][y], ay = f.lowerAttackerY[x][y];
    const int attacker = f.lowerAttacker[x][y];
    if (!(f.upperInfluenceBefore[ax][ay] > 0 && f.lowerInfluence[ax][ay] == 0) && upper > 0 && ax == x && ay > y &&
        (attacker == Form1::LOWER_ROOK || attacker == Form1::LOWER_LANCE))
        return s + 120_pt;
    return s;
}

Score pawnMove(Form1& f, const Candidate& c, Score s) {
    const int x = c.toX, y = c.toY;
    const int upper = f.upperInfluence[x][y], lower = f.lowerInfluence[x][y];
    const int ahead = at(f.board, x, y + 1);
    const int guard = f.upperDefender[x][y];
    s -= 0.1_pt;
    if (guard == Form1::UPPER_GOLD || guard == Form1::UPPER_SILVER) s += 0.6_pt;
    if (y < 8) {
        if (guard == Form1::UPPER_LANCE)
            s += 1_pt;
        else if (guard == Form1::UPPER_ROOK && f.upperDefenderX[x][y] == x && f.upperDefenderY[x][y] < y &&
                 upper >= lower)
            s += 2_pt;
        if (f.lowerInfluence[x][y + 1] == 0 && f.board[x][y + 2] <= Form1::LOWER_KNIGHT) s += 1_pt;
    }
    if (y < 7) {
        if (ahead == Form1::LOWER_PAWN && f.lowerInfluence[x][y + 1] > 0) s -= 5_pt;
        // An upper bishop beside the pawn, and more so facing a lower pawn on its file.
        for (const int side : {1, -1}) {
            if (!Form1::onBoard(x + side, y) || f.board[x + side][y] != Form1::UPPER_BISHOP) continue;
            s += 0.5_pt;
            if (f.board[x + side][y + 2] == Form1::LOWER_PAWN) s += 5_pt;
        }
        if (x == 7 && y == 4 && f.board[8][2] == Form1::UPPER_BISHOP) s += 10_pt;
    }
    if (y >= 8) return s;

    if (c.captured <= Form1::LOWER_PAWN && f.upperInfluence[c.fromX][c.fromY] == 1) {
        const int attacker = f.lowerAttacker[x][y];
        s += y > 2 && attacker == Form1::LOWER_LANCE && f.board[x][y - 2] == Form1::UPPER_BISHOP ? -5_pt : 5_pt;
        if (c.captured == Form1::LOWER_PAWN && (attacker == Form1::LOWER_LANCE || attacker == Form1::LOWER_ROOK))
            s += 50_pt;
    }
    // Pushing against a lower piece.
    if (ahead <= Form1::LOWER_PAWN && upper > lower) return s + 1_pt;
    if (ahead == Form1::LOWER_PAWN) return s - 5_pt;
    const bool valuableAhead = ahead < Form1::LOWER_PAWN;
    if (valuableAhead && upper > 0) {
        if (f.upperInfluenceBefore[x][y + 1] > 0 && f.lowerInfluenceBefore[x][y + 1] == 0) return s - 1_pt;
        if (upper >= lower) return s + 5_pt;
    }
    if (valuableAhead && upper == 0 && lower == 0) return s + 1_pt;
    return s;
}

}  // namespace

Score pawnPatterns(Form1& f, const Candidate& c, Score running) {
    const Score s = anyPawn(f, c, running);
    return c.isDrop() ? pawnDrop(f, c, s) : pawnMove(f, c, s);
}

Score tokinPatterns(Form1& f, const Candidate& c, Score running) {
    if (f.upperInfluence[c.toX][c.toY] >= f.lowerInfluence[c.toX][c.toY]) return running + 1_pt;
    return running;
}

}  // namespace com
