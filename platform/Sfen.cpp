#include "platform/Sfen.h"

#include <cctype>
#include <sstream>

#include "game/Form1.h"
#include "game/PieceCode.h"

namespace sfen {
namespace {

int codeOfLetter(char letter) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
    case 'p': return Form1::PAWN;
    case 'l': return Form1::LANCE;
    case 'n': return Form1::KNIGHT;
    case 's': return Form1::SILVER;
    case 'g': return Form1::GOLD;
    case 'b': return Form1::BISHOP;
    case 'r': return Form1::ROOK;
    case 'k': return Form1::KING;
    default: return Form1::EMPTY;
    }
}

char letterOfCode(int code) {
    constexpr char LETTERS[Form1::HAND_KINDS + 1] = {'?', 'p', 'l', 'n', 's', 'g', 'b', 'r'};
    if (piece::abs(code) == Form1::KING) return 'k';
    return LETTERS[piece::handIndex(code)];
}

bool parseBoard(const std::string& text, Position& p, std::string& error) {
    int x = 1, y = 1;
    bool promote = false;
    for (char c : text) {
        if (c == '/') {
            if (x != 10 || promote) return error = "rank " + std::to_string(y) + " does not hold 9 squares", false;
            ++y;
            x = 1;
            if (y > 9) return error = "more than 9 ranks", false;
        } else if (c >= '1' && c <= '9') {
            if (promote) return error = "'+' before a digit", false;
            x += c - '0';
            if (x > 10) return error = "rank " + std::to_string(y) + " holds more than 9 squares", false;
        } else if (c == '+') {
            promote = true;
        } else {
            int code = codeOfLetter(c);
            if (code == Form1::EMPTY) return error = std::string("unknown piece '") + c + "'", false;
            if (x > 9) return error = "rank " + std::to_string(y) + " holds more than 9 squares", false;
            if (promote) {
                if (!piece::canPromote(code)) return error = std::string("'") + c + "' cannot be promoted", false;
                code += 1;
            }
            p.board[x][y] = std::isupper(static_cast<unsigned char>(c)) ? -code : code;
            ++x;
            promote = false;
        }
    }
    if (y != 9 || x != 10 || promote) return error = "the board must hold 9 ranks of 9 squares", false;
    return true;
}

bool parseHands(const std::string& text, Position& p, std::string& error) {
    if (text == "-") return true;
    int count = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            count = count * 10 + (c - '0');
            if (count > 18) return error = "hand count too large", false;
            continue;
        }
        const int code = codeOfLetter(c);
        const int k = piece::handIndex(code);
        if (k == 0) return error = std::string("'") + c + "' cannot be in hand", false;
        (std::isupper(static_cast<unsigned char>(c)) ? p.lowerHand : p.upperHand)[k] += count == 0 ? 1 : count;
        count = 0;
    }
    if (count != 0) return error = "hand count without a piece", false;
    return true;
}

}  // namespace

std::optional<Position> parse(const std::string& text, std::string& error) {
    std::istringstream in(text);
    std::string board, side, hands, number, extra;
    if (!(in >> board >> side >> hands)) return error = "a position needs BOARD SIDE HANDS", std::nullopt;
    Position p;
    if (!parseBoard(board, p, error)) return std::nullopt;
    if (side != "b" && side != "w") return error = "side must be b or w", std::nullopt;
    p.lowerToMove = side == "b";
    if (!parseHands(hands, p, error)) return std::nullopt;
    if (in >> number) {
        try {
            p.moveNumber = std::stoi(number);
        } catch (...) {
            return error = "bad move number", std::nullopt;
        }
    }
    if (in >> extra) return error = "unexpected text after the position", std::nullopt;
    return p;
}

void apply(const Position& p, Form1& form) {
    for (int x = 1; x <= Form1::boardSize; ++x)
        for (int y = 1; y <= Form1::boardSize; ++y) form.board[x][y] = p.board[x][y];
    form.lowerHandCount = 0;
    form.upperHandCount = 0;
    for (int k = Form1::HAND_PAWN; k <= Form1::HAND_ROOK; ++k) {
        form.lowerHand[k] = p.lowerHand[k];
        form.upperHand[k] = p.upperHand[k];
        form.lowerHandCount += p.lowerHand[k];
        form.upperHandCount += p.upperHand[k];
    }
}

std::string of(const Form1& form) {
    std::string s;
    for (int y = 1; y <= Form1::boardSize; ++y) {
        if (y > 1) s += '/';
        int run = 0;
        for (int x = 1; x <= Form1::boardSize; ++x) {
            const int code = form.board[x][y];
            if (!piece::isBoardCode(code)) {
                ++run;
                continue;
            }
            if (run) s += std::to_string(run);
            run = 0;
            if (piece::isPromoted(code)) s += '+';
            const char letter = letterOfCode(code);
            s += code < 0 ? static_cast<char>(std::toupper(letter)) : letter;
        }
        if (run) s += std::to_string(run);
    }
    s += form.turn == form.lowerSide ? " b " : " w ";
    std::string hands;
    for (int side = 0; side < 2; ++side)
        for (int k = Form1::HAND_ROOK; k >= Form1::HAND_PAWN; --k) {  // rook first, pawn last
            const int n = side == 0 ? form.lowerHand[k] : form.upperHand[k];
            if (n <= 0) continue;
            if (n > 1) hands += std::to_string(n);
            const char letter = letterOfCode(piece::ofHandIndex(k));
            hands += side == 0 ? static_cast<char>(std::toupper(letter)) : letter;
        }
    s += hands.empty() ? "-" : hands;
    s += ' ' + std::to_string(form.moveNumber + 1);
    return s;
}

}  // namespace sfen
