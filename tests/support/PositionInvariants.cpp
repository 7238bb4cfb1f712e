#include "tests/support/PositionInvariants.h"

#include "game/PieceCode.h"

namespace {

constexpr int ALL_PIECES = 40;
constexpr int KINGS = 2;

std::string square(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

std::string brokenByTheRules(const Form1& f) {
    for (int x = 1; x <= Form1::boardSize; ++x) {
        int lowerPawns = 0, upperPawns = 0;
        for (int y = 1; y <= Form1::boardSize; ++y) {
            const int c = f.board[x][y];
            lowerPawns += c == Form1::LOWER_PAWN;
            upperPawns += c == Form1::UPPER_PAWN;
            if (piece::isBoardCode(c) && f.移動後チェック(y, c) == Form1::OFF)
                return "a piece that can never move again at " + square(x, y);
        }
        if (lowerPawns > 1 || upperPawns > 1) return "two pawns of one side on column " + std::to_string(x);
    }
    return "";
}

}  // namespace

std::string brokenInvariant(const Form1& f, const PositionExpectations& expect) {
    int pieces = 0, kings = 0;
    for (int i = 0; i <= Form1::boardSize; ++i)
        if (f.board[0][i] != Form1::EMPTY || f.board[i][0] != Form1::EMPTY) return "row or column 0 written";
    for (int x = 1; x <= Form1::boardSize; ++x)
        for (int y = 1; y <= Form1::boardSize; ++y) {
            const int c = f.board[x][y];
            if (c == Form1::EMPTY) continue;
            if (!piece::isBoardCode(c)) return "code " + std::to_string(c) + " on " + square(x, y);
            ++pieces;
            kings += piece::abs(c) == Form1::KING;
        }
    if (kings < 1) return "both kings gone";
    if (f.lowerHand[0] != 0 || f.upperHand[0] != 0) return "hand index 0 written";
    int lower = 0, upper = 0;
    for (int k = Form1::HAND_PAWN; k <= Form1::HAND_ROOK; ++k) {
        if (f.lowerHand[k] < 0 || f.upperHand[k] < 0) return "a negative hand";
        lower += f.lowerHand[k];
        upper += f.upperHand[k];
    }
    const int takenKings = KINGS - kings;
    const bool totalsAgree = lower == f.lowerHandCount && upper == f.upperHandCount;
    const bool totalsHoldTheKing =
        expect.takenKingInTotals && lower + upper + takenKings == f.lowerHandCount + f.upperHandCount;
    if (!totalsAgree && !totalsHoldTheKing) return "a hand total differs from its hand";
    if (pieces + lower + upper + takenKings != ALL_PIECES - expect.handicapPieces)
        return "pieces lost or made: " + std::to_string(pieces) + " on the board, " + std::to_string(lower + upper) +
               " in hand, " + std::to_string(kings) + " kings";
    return expect.reachedByTheRules ? brokenByTheRules(f) : "";
}
