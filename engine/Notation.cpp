#include "engine/Notation.h"

#include <cctype>
#include <sstream>

namespace engine {
namespace {

constexpr const char* KIND_LETTERS = " PLNSBRGK";  // indexed by unpromoted kind
constexpr char PROMOTED_MARK = '+';
constexpr char DROP_MARK = '*';

Kind kindOfLetter(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (int k = PAWN; k <= KING; ++k)
        if (KIND_LETTERS[k] == upper) return Kind(k);
    return NO_KIND;
}

char letterOf(Piece p) {
    const char letter = KIND_LETTERS[unpromote(kindOf(p))];
    return colorOf(p) == BLACK ? letter : static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

// USI files run 9..1 from the left, the game's x 1..9; ranks a..i are y 1..9.
std::string squareName(Square s) {
    return {static_cast<char>('0' + BOARD_SIZE + 1 - fileOf(s)), static_cast<char>('a' + rankOf(s) - 1)};
}

std::optional<Square> squareOfName(char file, char rank) {
    if (file < '1' || file > '9' || rank < 'a' || rank > 'i') return std::nullopt;
    return squareAt(BOARD_SIZE + 1 - (file - '0'), rank - 'a' + 1);
}

bool parseBoard(const std::string& text, Position& pos, std::string& error) {
    int x = 1, y = 1;
    bool promoted = false;
    for (const char c : text) {
        if (c == '/') {
            if (x != BOARD_SIZE + 1 || promoted || y == BOARD_SIZE)
                return error = "bad rank " + std::to_string(y), false;
            ++y;
            x = 1;
        } else if (c >= '1' && c <= '9') {
            x += c - '0';
            if (promoted || x > BOARD_SIZE + 1) return error = "bad rank " + std::to_string(y), false;
        } else if (c == PROMOTED_MARK) {
            promoted = true;
        } else {
            Kind k = kindOfLetter(c);
            if (k == NO_KIND || x > BOARD_SIZE || (promoted && !isPromotable(k)))
                return error = std::string("bad piece '") + c + "'", false;
            if (promoted) k = promote(k);
            pos.place(squareAt(x++, y), makePiece(std::isupper(static_cast<unsigned char>(c)) ? BLACK : WHITE, k));
            promoted = false;
        }
    }
    if (x != BOARD_SIZE + 1 || y != BOARD_SIZE) return error = "the board needs 9 ranks of 9 squares", false;
    return true;
}

bool parseHands(const std::string& text, Position& pos, std::string& error) {
    if (text == "-") return true;
    int count = 0;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            count = count * 10 + (c - '0');
            if (count > MAX_HAND_COUNT) return error = "hand count too large", false;
            continue;
        }
        const Kind k = kindOfLetter(c);
        if (k == NO_KIND || k == KING) return error = std::string("bad hand piece '") + c + "'", false;
        const Color owner = std::isupper(static_cast<unsigned char>(c)) ? BLACK : WHITE;
        const int total = pos.hand(owner, k) + (count == 0 ? 1 : count);
        if (total > MAX_HAND_COUNT) return error = "hand count too large", false;
        pos.setHand(owner, k, total);
        count = 0;
    }
    if (count != 0) return error = "hand count without a piece", false;
    return true;
}

}  // namespace

std::optional<Position> positionFromSfen(const std::string& sfen, Rules rules, std::string& error) {
    std::istringstream in(sfen);
    std::string board, side, hands;
    if (!(in >> board >> side >> hands)) return error = "a position needs BOARD SIDE HANDS", std::nullopt;
    Position pos(rules);
    if (!parseBoard(board, pos, error)) return std::nullopt;
    if (side != "b" && side != "w") return error = "the side must be b or w", std::nullopt;
    pos.setSideToMove(side == "b" ? BLACK : WHITE);
    if (!parseHands(hands, pos, error)) return std::nullopt;
    return pos;
}

std::string sfenOf(const Position& pos) {
    std::string s;
    for (int y = 1; y <= BOARD_SIZE; ++y) {
        if (y > 1) s += '/';
        int run = 0;
        for (int x = 1; x <= BOARD_SIZE; ++x) {
            const Piece p = pos.at(squareAt(x, y));
            if (p == EMPTY) {
                ++run;
                continue;
            }
            if (run > 0) s += std::to_string(run);
            run = 0;
            if (kindOf(p) > KING) s += PROMOTED_MARK;
            s += letterOf(p);
        }
        if (run > 0) s += std::to_string(run);
    }
    s += pos.sideToMove() == BLACK ? " b " : " w ";
    // Rook, bishop, gold, silver, knight, lance, pawn: the usual order of hands.
    constexpr Kind ORDER[] = {ROOK, BISHOP, GOLD, SILVER, KNIGHT, LANCE, PAWN};
    std::string hands;
    for (const Color c : {BLACK, WHITE})
        for (const Kind k : ORDER) {
            const int n = pos.hand(c, k);
            if (n == 0) continue;
            if (n > 1) hands += std::to_string(n);
            hands += letterOf(makePiece(c, k));
        }
    s += hands.empty() ? "-" : hands;
    return s + " " + std::to_string(pos.gamePly() + 1);
}

std::string usiOf(Move m) {
    if (isDrop(m)) return std::string{KIND_LETTERS[droppedKind(m)], DROP_MARK} + squareName(toSquare(m));
    std::string s = squareName(fromSquare(m)) + squareName(toSquare(m));
    if (isPromotion(m)) s += PROMOTED_MARK;
    return s;
}

Move moveFromUsi(const Position& pos, const std::string& text) {
    const Color us = pos.sideToMove();
    if (text.size() == 4 && text[1] == DROP_MARK) {
        const Kind k = kindOfLetter(text[0]);
        const auto to = squareOfName(text[2], text[3]);
        if (!std::isupper(static_cast<unsigned char>(text[0])) || k == NO_KIND || k == KING || !to) return NO_MOVE;
        return dropMove(k, *to);
    }
    if (text.size() != 4 && !(text.size() == 5 && text[4] == PROMOTED_MARK)) return NO_MOVE;
    const auto from = squareOfName(text[0], text[1]);
    const auto to = squareOfName(text[2], text[3]);
    if (!from || !to || *from == *to) return NO_MOVE;
    const Piece p = pos.at(*from);
    if (!isPiece(p) || colorOf(p) != us) return NO_MOVE;
    return boardMove(*from, *to, text.size() == 5);
}

}  // namespace engine
