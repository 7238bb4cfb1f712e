#pragma once
// The game's vocabulary: the numbers every part of the program shares. A piece
// code's sign is its owner (upper side positive, lower side negative), its
// magnitude the kind, and a promoted kind is one further from zero. Form1
// derives from this, so inside the game the names read as its own members.

#include "game/Score.h"

struct Vocabulary {
    // ------------------------------------------------------------ piece kinds
    static constexpr int EMPTY = 0;
    static constexpr int PAWN = 10;
    static constexpr int TOKIN = 11;
    static constexpr int LANCE = 20;
    static constexpr int PROMOTED_LANCE = 21;
    static constexpr int KNIGHT = 30;
    static constexpr int PROMOTED_KNIGHT = 31;
    static constexpr int SILVER = 100;
    static constexpr int PROMOTED_SILVER = 101;
    static constexpr int GOLD = 110;
    static constexpr int GOLD_SPARE = 111;  // in the code table, never on the board
    static constexpr int BISHOP = 800;
    static constexpr int HORSE = 801;
    static constexpr int ROOK = 900;
    static constexpr int DRAGON = 901;
    static constexpr int KING = 950;

    // ------------------------------------------------------------ piece codes
    static constexpr int UPPER_PAWN = PAWN;
    static constexpr int UPPER_TOKIN = TOKIN;
    static constexpr int UPPER_LANCE = LANCE;
    static constexpr int UPPER_PROMOTED_LANCE = PROMOTED_LANCE;
    static constexpr int UPPER_KNIGHT = KNIGHT;
    static constexpr int UPPER_PROMOTED_KNIGHT = PROMOTED_KNIGHT;
    static constexpr int UPPER_SILVER = SILVER;
    static constexpr int UPPER_PROMOTED_SILVER = PROMOTED_SILVER;
    static constexpr int UPPER_GOLD = GOLD;
    static constexpr int UPPER_GOLD_SPARE = GOLD_SPARE;
    static constexpr int UPPER_BISHOP = BISHOP;
    static constexpr int UPPER_HORSE = HORSE;
    static constexpr int UPPER_ROOK = ROOK;
    static constexpr int UPPER_DRAGON = DRAGON;
    static constexpr int UPPER_KING = KING;
    static constexpr int LOWER_PAWN = -PAWN;
    static constexpr int LOWER_TOKIN = -TOKIN;
    static constexpr int LOWER_LANCE = -LANCE;
    static constexpr int LOWER_PROMOTED_LANCE = -PROMOTED_LANCE;
    static constexpr int LOWER_KNIGHT = -KNIGHT;
    static constexpr int LOWER_PROMOTED_KNIGHT = -PROMOTED_KNIGHT;
    static constexpr int LOWER_SILVER = -SILVER;
    static constexpr int LOWER_PROMOTED_SILVER = -PROMOTED_SILVER;
    static constexpr int LOWER_GOLD = -GOLD;
    static constexpr int LOWER_GOLD_SPARE = -GOLD_SPARE;
    static constexpr int LOWER_BISHOP = -BISHOP;
    static constexpr int LOWER_HORSE = -HORSE;
    static constexpr int LOWER_ROOK = -ROOK;
    static constexpr int LOWER_DRAGON = -DRAGON;
    static constexpr int LOWER_KING = -KING;

    // Pictures that are not pieces share the code space of the board.
    static constexpr int LOGO = 1;
    static constexpr int BG_MIDORI = 2;
    static constexpr int BG_TATAMI = 3;
    static constexpr int BG_TAKE = 4;
    static constexpr int BG_UCHU = 5;
    static constexpr int BG_RENGA = 6;

    // ---------------------------------------------------------- hand indices
    // Both hands are counted per kind at these indices; index 0 is unused.
    static constexpr int HAND_PAWN = 1;
    static constexpr int HAND_LANCE = 2;
    static constexpr int HAND_KNIGHT = 3;
    static constexpr int HAND_SILVER = 4;
    static constexpr int HAND_GOLD = 5;
    static constexpr int HAND_BISHOP = 6;
    static constexpr int HAND_ROOK = 7;
    static constexpr int HAND_KINDS = 7;

    // Pieces in hand are addressed as squares of their side's stand: the
    // lower stand is column 11, rows 3..9; the upper stand column -1, rows 1..7.
    static constexpr int LOWER_STAND_X = 11;
    static constexpr int UPPER_STAND_X = -1;

    // ----------------------------------------------------------------- board
    static constexpr int boardSize = 9;
    static constexpr bool onBoard(int x, int y) { return x >= 1 && x <= boardSize && y >= 1 && y <= boardSize; }

    // Where the grid lies in the window, in twips (15 twips are one pixel at 100 %).
    static constexpr int BOARD_LEFT = 1050;
    static constexpr int BOARD_TOP = 100;
    static constexpr int SQUARE_WIDTH = 495;
    static constexpr int SQUARE_HEIGHT = 615;

    // The top edge a maximised window reports, in twips.
    static constexpr double MAXIMISED_TOP = -60;

    // ---------------------------------------------------------------- scores
    static constexpr Score KING_CAPTURE_SCORE = 9999_pt;  // the computer takes the king
    static constexpr Score MATE_SCORE = 9998_pt;          // the computer mates, or is in check

    // ------------------------------------------------------- influence maps
    // A cheapest-piece map holds these where no piece of that side was recorded.
    static constexpr int NO_UPPER_PIECE = 999;
    static constexpr int NO_LOWER_PIECE = -999;
    // Check maps: a checking piece, and a square between a line checker and the king.
    static constexpr int CHECKER_MARK = 9;
    static constexpr int CHECK_LINE_MARK = 1;

    // ----------------------------------------------------------------- files
    static constexpr const char* SETTINGS_FILE = "Mirelo.ini";

    // ------------------------------------------------------------------ keys
    static constexpr int ESC_KEY = 27;
};
