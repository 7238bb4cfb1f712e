// The computer's turn. Levels 1-3 are a one-ply search: every legal board
// move and drop of the upper side is tried on the real board, the influence
// maps are rebuilt for it and 盤評価 scores it; the first candidate with the
// highest score is played. The board is put back after every trial; the hands
// are never touched. Levels 4 and 5 ask the searching engine (EngineTurn.cpp).

#include <cstring>

#include "com/EngineTurn.h"
#include "com/ReachableSquares.h"
#include "com/Squares.h"
#include "game/Form1.h"
#include "game/PieceCode.h"

namespace {

constexpr Score NO_CANDIDATE = -99999_pt;
constexpr double THINKING_X = -1.5, THINKING_Y = 8.5;  // below the upper stand
constexpr int THINKING_FONT_SIZE = 12;

struct Candidate {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    int piece = 0;      // unpromoted code
    int finalCode = 0;  // the code it would play
    Score score = NO_CANDIDATE;
    bool found() const { return piece != 0; }
};

void showThinking(Form1& f) {
    f.clearLeftOfBoard(8);
    f.描画_桝輪郭(f.lineColor, -1, 7);
    f.描画_数値(THINKING_X, THINKING_Y, "思考中", f.shadowColor, 0, THINKING_FONT_SIZE);
    f.描画_数値(THINKING_X - 0.1, THINKING_Y - 0.1, "思考中", f.resultColor, 0, THINKING_FONT_SIZE);
    f.描画_桝輪郭(f.lineColor, 1, 8);
}

// Tells the platform about a scored candidate and keeps it if it is
// strictly better, so that among equal scores the first one found is played.
void consider(Form1& f, Candidate& best, const Candidate& c) {
    f.platform.candidateScored({c.fromX, c.fromY, c.toX, c.toY, c.finalCode, c.score});
    if (c.score > best.score) best = c;
}

Score evaluate(Form1& f, const Candidate& c, int captured, int code) {
    f.勢力調査();
    return f.盤評価(captured, code, c.fromX, c.fromY, c.toX, c.toY);
}

// Scores a board move standing on the board. A move that may but need not
// promote is scored both ways; pawns, bishops and rooks lose nothing by
// promoting and always do.
void scoreBoardMove(Form1& f, Candidate& c, int captured) {
    if (f.調査_駒成(c.fromX, c.fromY, c.toX, c.toY, c.piece) == Form1::OFF) {
        c.finalCode = c.piece;
        c.score = evaluate(f, c, captured, c.piece);
        return;
    }
    const int promoted = f.promotedPiece;
    if (f.移動後チェック(c.toY, c.piece) == Form1::ON) {
        c.finalCode = c.piece;
        c.score = evaluate(f, c, captured, c.piece);
        f.board[c.toX][c.toY] = promoted;
        const Score promotedScore = evaluate(f, c, captured, promoted);
        if (promotedScore > c.score) c.score = promotedScore, c.finalCode = promoted;
        if (c.piece == Form1::UPPER_PAWN || c.piece == Form1::UPPER_BISHOP || c.piece == Form1::UPPER_ROOK)
            c.finalCode = promoted;
        return;
    }
    f.board[c.toX][c.toY] = promoted;
    c.finalCode = promoted;
    c.score = evaluate(f, c, captured, promoted);
}

// Board moves, source by source. Returns true when a capture of the lower
// king ends the search.
bool searchBoardMoves(Form1& f, Candidate& best) {
    for (int x = 1; x <= Form1::boardSize; ++x) {
        f.Timer1_Timer();  // the clock display keeps running while the computer thinks
        for (int y = 1; y <= Form1::boardSize; ++y) {
            const int code = f.board[x][y];
            if (code < Form1::UPPER_PAWN) continue;
            for (const auto [tx, ty] : com::reachableSquares(f.board, x, y, code)) {
                if (f.移動チェック(x, y, tx, ty, code) == Form1::OFF) continue;
                f.movingPiece = code;
                f.sourceKingDistance = com::stepsBetween(x, y, f.lowerKingX, f.lowerKingY);
                const int captured = f.board[tx][ty];
                Candidate c{x, y, tx, ty, code};
                f.board[x][y] = Form1::EMPTY;
                f.board[tx][ty] = code;
                scoreBoardMove(f, c, captured);
                f.board[tx][ty] = captured;
                f.board[x][y] = code;
                consider(f, best, c);
                if (captured == Form1::LOWER_KING) {  // taking the king is played at once
                    best = c;
                    return true;
                }
            }
        }
    }
    return false;
}

// Drops, pawn first and rook last. Once the best is a mate, the search ends
// after the drop just tried.
void searchDrops(Form1& f, Candidate& best) {
    if (f.upperHandCountBefore <= 0) return;
    for (int k = Form1::HAND_PAWN; k <= Form1::HAND_ROOK; ++k) {
        f.Timer1_Timer();
        if (f.upperHand[k] < 1) continue;
        const int code = piece::ofHandIndex(k);
        f.movingPiece = code;
        for (int x = 1; x <= Form1::boardSize; ++x)
            for (int y = 1; y <= Form1::boardSize; ++y) {
                if (f.board[x][y] != Form1::EMPTY || f.移動チェック(Form1::UPPER_STAND_X, k, x, y, code) == Form1::OFF)
                    continue;
                Candidate c{Form1::UPPER_STAND_X, k, x, y, code, code};
                f.board[x][y] = code;
                c.score = evaluate(f, c, Form1::EMPTY, code);
                f.board[x][y] = Form1::EMPTY;
                consider(f, best, c);
                if (best.score >= Form1::MATE_SCORE) return;
            }
    }
}

}  // namespace

// The position before the move, as the evaluation compares against it.
void Form1::prepareComSearch() {
    std::memcpy(savedBoard, board, sizeof board);
    調査_2歩フラグ設定();
    escapeCountBefore = 調査_自王逃道();  // from the maps the last survey left
    勢力調査();
    調査_持角狙座標();
    調査_移動不可駒();
    upperHandCountBefore = upperHandCount;
    std::memcpy(lowerInfluenceBefore, lowerInfluence, sizeof lowerInfluence);
    std::memcpy(upperInfluenceBefore, upperInfluence, sizeof upperInfluence);
    std::memcpy(upperAttackerXBefore, upperAttackerX, sizeof upperAttackerX);
    std::memcpy(upperAttackerYBefore, upperAttackerY, sizeof upperAttackerY);
}

void Form1::replyAfterPause() {
    comReplyPending = true;
    const int ticket = ++comReplyTicket;
    platform.afterPause([this, ticket] {
        if (ticket != comReplyTicket) return;  // called off meanwhile
        comReplyPending = false;
        com_ban();
    });
}

void Form1::cancelComReply() {
    comReplyPending = false;
    ++comReplyTicket;
    if (engineSearch) engineSearch->stop = true;  // a search under way ends at once
    engineSearch.reset();
}

void Form1::com_ban() {
    // A full record takes no more moves; the search would be wasted.
    if (recordIsFull()) {
        記録満杯通知();
        return;
    }
    moveStartTime = platform.clockSeconds();
    if (isChecked(Menu::KEIKA)) setTimer1(true);
    showThinking(*this);
    if (comLevel >= FIRST_ENGINE_LEVEL) {
        searchWithEngine();
        return;
    }

    Candidate best;
    prepareComSearch();
    platform.refresh();
    if (!searchBoardMoves(*this, best)) searchDrops(*this, best);
    if (best.found())
        playComMove({best.fromX, best.fromY, best.toX, best.toY, best.piece, best.finalCode});
    else
        comHasNoMove();
}

void Form1::playComMove(const ComMove& best) {
    手順保存(best.fromX, best.fromY, best.toX, best.toY, best.piece, best.finalCode, lowerTime, lowerTime, upperTime,
             upperTime + moveElapsed);
    moveNumber += 1;
    描画_手数(moveNumber, textColor);
    駒移動(best.fromX, best.fromY, best.toX, best.toY, best.finalCode);
    playSound(sndPiece);
    setTimer1(false);

    勢力調査();
    // A captured king ends the game, whatever the mate test makes of its old square.
    if (winner == upperSide) {
        終了("ｺﾝﾋﾟｭｰﾀ");
        return;
    }
    if (詰めかMAN() == ON)
        platform.messageBox("詰め ?", "よし！!", BoxButtons::Ok);
    else if (upperInfluence[lowerKingX][lowerKingY] > 0)
        platform.messageBox("", "   ** 王手 **", BoxButtons::Ok);
    描画_移動結果(upperSide, best.toX, best.toY, best.finalCode, textColor);
    描画_桝輪郭(textColor, best.toX, best.toY);

    upperTime += moveElapsed;
    moveStartTime = platform.clockSeconds();
    turn = lowerSide;
    if (isChecked(Menu::KEIKA)) setTimer1(true);
}

void Form1::comHasNoMove() {
    // With nothing to play the computer has lost: it is mated.
    setTimer1(false);
    recordEnding = {recordIndex, kif::Ending::Mated};
    終了("あなた");
}
