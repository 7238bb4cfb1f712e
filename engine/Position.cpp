#include "engine/Position.h"

namespace engine {
namespace {

constexpr int EXPECTED_GAME_LENGTH = 1024;

bool onBoard(int x, int y) { return x >= 1 && x <= BOARD_SIZE && y >= 1 && y <= BOARD_SIZE; }

}  // namespace

Position::Position(Rules rules) : rules_(rules) {
    for (Square s = 0; s < SQUARE_COUNT; ++s) board_[s] = onBoard(fileOf(s), rankOf(s)) ? EMPTY : WALL;
    history_.reserve(EXPECTED_GAME_LENGTH);
}

void Position::place(Square s, Piece p) {
    board_[s] = p;
    refreshDerived();
}

void Position::setHand(Color c, Kind k, int count) {
    hand_[c][k] = count;
    refreshDerived();
}

void Position::setSideToMove(Color c) {
    side_ = c;
    refreshDerived();
}

// Recomputes everything kept incrementally, after the position was set up by hand.
void Position::refreshDerived() {
    key_ = side_ == WHITE ? zobrist::whiteToMove : 0;
    king_[BLACK] = king_[WHITE] = 0;
    for (auto& files : pawnsOnFile_)
        for (int& n : files) n = 0;
    for (Square s = 0; s < SQUARE_COUNT; ++s) {
        const Piece p = board_[s];
        if (!isPiece(p)) continue;
        key_ ^= zobrist::pieceSquare[p][s];
        if (kindOf(p) == KING) king_[colorOf(p)] = s;
        if (kindOf(p) == PAWN) ++pawnsOnFile_[colorOf(p)][fileOf(s)];
    }
    for (Color c : {BLACK, WHITE})
        for (int k = PAWN; k < HAND_KIND_COUNT; ++k)
            for (int n = 1; n <= hand_[c][k] && n <= MAX_HAND_COUNT; ++n) key_ ^= zobrist::handCount[c][k][n];
}

void Position::addToHand(Color c, Kind k) {
    const int n = ++hand_[c][k];
    key_ ^= zobrist::handCount[c][k][n];
}

void Position::takeFromHand(Color c, Kind k) {
    const int n = hand_[c][k]--;
    key_ ^= zobrist::handCount[c][k][n];
}

void Position::putPiece(Square s, Piece p) {
    board_[s] = p;
    key_ ^= zobrist::pieceSquare[p][s];
    const Kind k = kindOf(p);
    if (k == KING)
        king_[colorOf(p)] = s;
    else if (k == PAWN)
        ++pawnsOnFile_[colorOf(p)][fileOf(s)];
}

void Position::removePiece(Square s) {
    const Piece p = board_[s];
    board_[s] = EMPTY;
    key_ ^= zobrist::pieceSquare[p][s];
    const Kind k = kindOf(p);
    if (k == KING)
        king_[colorOf(p)] = 0;
    else if (k == PAWN)
        --pawnsOnFile_[colorOf(p)][fileOf(s)];
}

Piece Position::movedPiece(Move m) const {
    if (isDrop(m)) return makePiece(side_, droppedKind(m));
    const Piece p = board_[fromSquare(m)];
    return isPromotion(m) ? Piece(p + PROMOTION) : p;
}

void Position::makeMove(Move m) {
    const Color us = side_;
    const Square to = toSquare(m);
    const Piece captured = capturedBy(m);
    history_.push_back({key_, captured});
    if (isDrop(m)) {
        takeFromHand(us, droppedKind(m));
        putPiece(to, makePiece(us, droppedKind(m)));
    } else {
        const Piece arriving = movedPiece(m);
        if (captured != EMPTY) {
            removePiece(to);
            // A captured king goes to no hand: the game is over.
            if (kindOf(captured) != KING) addToHand(us, unpromote(kindOf(captured)));
        }
        removePiece(fromSquare(m));
        putPiece(to, arriving);
    }
    side_ = opposite(us);
    key_ ^= zobrist::whiteToMove;
}

void Position::unmakeMove(Move m) {
    const Undo undo = history_.back();
    history_.pop_back();
    const Color us = opposite(side_);
    const Square to = toSquare(m);
    if (isDrop(m)) {
        removePiece(to);
        addToHand(us, droppedKind(m));
    } else {
        const Piece arrived = board_[to];
        removePiece(to);
        putPiece(fromSquare(m), isPromotion(m) ? Piece(arrived - PROMOTION) : arrived);
        if (undo.captured != EMPTY) {
            putPiece(to, undo.captured);
            if (kindOf(undo.captured) != KING) takeFromHand(us, unpromote(kindOf(undo.captured)));
        }
    }
    side_ = us;
    key_ = undo.key;
}

void Position::makeNullMove() {
    history_.push_back({key_, EMPTY});
    side_ = opposite(side_);
    key_ ^= zobrist::whiteToMove;
}

void Position::unmakeNullMove() {
    key_ = history_.back().key;
    history_.pop_back();
    side_ = opposite(side_);
}

int Position::repetitions() const {
    int count = 0;
    // Only positions with the same side to move can equal this one.
    for (int i = gamePly() - 2; i >= 0; i -= 2)
        if (history_[i].key == key_) ++count;
    return count;
}

}  // namespace engine
