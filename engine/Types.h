#pragma once
// The engine's vocabulary: sides, piece kinds, squares of a padded board and
// packed moves. Squares live in a 11 x 13 mailbox (files 0..10, ranks -1..11)
// whose border holds a wall, so step and slide loops need no bounds checks,
// knight jumps included.

#include <cstdint>

namespace engine {

// Black moves first and towards rank 1 (the game's lower side, SFEN uppercase);
// White moves towards rank 9 (the game's upper side).
enum Color : int { BLACK = 0, WHITE = 1 };
constexpr Color opposite(Color c) { return Color(c ^ 1); }
constexpr int COLOR_COUNT = 2;

// Which rules the position plays by.
enum class Rules {
    Forward,   // the game's own: must advance, king may be left attacked, capture of the king wins
    Standard,  // standard shogi: no self-check, no mate by a pawn drop, mate wins
};

// Kinds 1..7 are the ones a hand can hold; a promoted kind is its base plus PROMOTION.
enum Kind : int {
    NO_KIND = 0,
    PAWN,
    LANCE,
    KNIGHT,
    SILVER,
    BISHOP,
    ROOK,
    GOLD,
    KING,
    PRO_PAWN,
    PRO_LANCE,
    PRO_KNIGHT,
    PRO_SILVER,
    HORSE,
    DRAGON,
    KIND_COUNT
};
constexpr int PROMOTION = PRO_PAWN - PAWN;
constexpr int HAND_KIND_COUNT = GOLD + 1;  // hands are indexed by PAWN..GOLD
constexpr bool isPromotable(Kind k) { return k >= PAWN && k <= ROOK; }
constexpr Kind promote(Kind k) { return Kind(k + PROMOTION); }
// What a captured piece becomes in the capturer's hand.
constexpr Kind unpromote(Kind k) { return k > KING ? Kind(k - PROMOTION) : k; }

// A board cell: 0 empty, WALL outside the board, else kind + color * WHITE_BIT.
using Piece = std::uint8_t;
constexpr Piece EMPTY = 0;
constexpr Piece WHITE_BIT = 16;
constexpr Piece WALL = 64;
constexpr Piece makePiece(Color c, Kind k) { return Piece(k + (c == WHITE ? WHITE_BIT : 0)); }
constexpr Kind kindOf(Piece p) { return Kind(p & (WHITE_BIT - 1)); }
constexpr Color colorOf(Piece p) { return (p & WHITE_BIT) ? WHITE : BLACK; }
constexpr bool isPiece(Piece p) { return p != EMPTY && p != WALL; }
constexpr int PIECE_CODE_COUNT = WHITE_BIT * 2;

// x is the file counted from the left (1..9), y the rank from the top (1..9),
// as the game counts them.
using Square = int;
constexpr int RANK_STRIDE = 1;
constexpr int FILE_STRIDE = 13;
constexpr int SQUARE_COUNT = 11 * FILE_STRIDE;
constexpr Square squareAt(int x, int y) { return x * FILE_STRIDE + y + 1; }
constexpr int fileOf(Square s) { return s / FILE_STRIDE; }
constexpr int rankOf(Square s) { return s % FILE_STRIDE - 1; }
constexpr int BOARD_SIZE = 9;

// One step towards the far side for each color, in squares and in ranks.
constexpr int forwardRanks(Color c) { return c == BLACK ? -1 : 1; }
constexpr int forwardStep(Color c) { return forwardRanks(c) * RANK_STRIDE; }
// True when rank `to` lies strictly ahead of rank `from` for color c.
constexpr bool isAhead(Color c, int fromRank, int toRank) { return c == BLACK ? toRank < fromRank : toRank > fromRank; }
// Ranks counted from the color's own side: 1 is its far (last) rank.
constexpr int relativeRank(Color c, int rank) { return c == BLACK ? rank : BOARD_SIZE + 1 - rank; }
constexpr int PROMOTION_RANKS = 3;
constexpr bool inPromotionZone(Color c, int rank) { return relativeRank(c, rank) <= PROMOTION_RANKS; }

// A move packed in 32 bits: destination, origin (or the dropped kind) and flags.
using Move = std::uint32_t;
constexpr Move NO_MOVE = 0;
constexpr Move DROP_FLAG = 1u << 16;
constexpr Move PROMOTE_FLAG = 1u << 17;
constexpr Move boardMove(Square from, Square to, bool promotes = false) {
    return Move(to) | Move(from) << 8 | (promotes ? PROMOTE_FLAG : 0);
}
constexpr Move dropMove(Kind k, Square to) { return Move(to) | Move(k) << 8 | DROP_FLAG; }
constexpr Square toSquare(Move m) { return Square(m & 0xFF); }
constexpr Square fromSquare(Move m) { return Square(m >> 8 & 0xFF); }
constexpr bool isDrop(Move m) { return (m & DROP_FLAG) != 0; }
constexpr bool isPromotion(Move m) { return (m & PROMOTE_FLAG) != 0; }
constexpr Kind droppedKind(Move m) { return Kind(m >> 8 & 0xFF); }

// Scores in centipawn-like units from the side to move's point of view.
using Value = int;
constexpr Value VALUE_ZERO = 0;
constexpr Value VALUE_MATE = 32000;
constexpr Value VALUE_INFINITE = 32001;
constexpr int MAX_PLY = 128;
constexpr Value VALUE_MATE_IN_MAX_PLY = VALUE_MATE - MAX_PLY;
constexpr Value mateIn(int ply) { return VALUE_MATE - ply; }
constexpr Value matedIn(int ply) { return -VALUE_MATE + ply; }

}  // namespace engine
