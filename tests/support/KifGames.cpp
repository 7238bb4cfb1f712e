#include "tests/support/KifGames.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "game/PieceCode.h"
#include "record/StandardReplay.h"
#include "tests/support/RandomMoves.h"

namespace kiftest {
namespace {

// Seconds a move takes: whole ones and a fraction, sometimes none at all.
double thinkingTime(std::mt19937_64& random) { return static_cast<double>(random() % 900) / 10.0; }

}  // namespace

std::optional<randomplay::Move> kingCapture(Form1& f, bool upper) {
    for (randomplay::Move m : randomplay::allowedMoves(f, upper)) {
        if (piece::abs(f.board[m.toX][m.toY]) != Vocabulary::KING) continue;
        if (f.調査_駒成(m.fromX, m.fromY, m.toX, m.toY, m.code) == Form1::ON &&
            f.移動後チェック(m.toY, m.code) == Form1::OFF)
            m.placed = piece::promoted(m.code);
        return m;
    }
    return std::nullopt;
}

kif::Position positionOf(const Form1& f) {
    kif::Position p;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) p.board[x][y] = f.board[x][y];
    for (int k = 1; k <= 7; ++k) {
        p.lowerHand[k] = f.lowerHand[k];
        p.upperHand[k] = f.upperHand[k];
    }
    p.toMove = f.turn == f.upperSide ? kif::Side::Upper : kif::Side::Lower;
    return p;
}

kif::Position positionOf(const std::string& text) {
    std::string error;
    const auto parsed = sfen::parse(text, error);
    if (!parsed) throw std::invalid_argument("bad SFEN '" + text + "': " + error);
    kif::Position p;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) p.board[x][y] = parsed->board[x][y];
    for (int k = 1; k <= 7; ++k) {
        p.lowerHand[k] = parsed->lowerHand[k];
        p.upperHand[k] = parsed->upperHand[k];
    }
    p.toMove = parsed->lowerToMove ? kif::Side::Lower : kif::Side::Upper;
    return p;
}

std::string sfenOf(const kif::Position& p) {
    TestForm t;
    Form1& f = t.form;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) f.board[x][y] = p.board[x][y];
    for (int k = 1; k <= 7; ++k) {
        f.lowerHand[k] = p.lowerHand[k];
        f.upperHand[k] = p.upperHand[k];
    }
    f.lowerSide = -1;
    f.upperSide = 1;
    f.turn = p.toMove == kif::Side::Lower ? f.lowerSide : f.upperSide;
    const std::string text = sfen::of(f);
    return text.substr(0, text.rfind(' '));  // without the move number
}

std::vector<kif::Position> playRandomMoves(Form1& f, std::mt19937_64& random, int plies, bool takeKing) {
    std::vector<kif::Position> positions;
    for (int ply = 0; ply < plies && !f.recordIsFull(); ++ply) {
        const bool upper = f.turn == f.upperSide;
        std::optional<randomplay::Move> m = takeKing ? kingCapture(f, upper) : std::nullopt;
        if (!m) m = randomplay::randomMove(f, upper, random, {.favourEventfulMoves = true, .sparingKings = true});
        if (!m) break;
        const double lowerBefore = f.lowerTime, upperBefore = f.upperTime;
        (upper ? f.upperTime : f.lowerTime) += thinkingTime(random);
        // A person's drop from the upper stand is recorded with the row clicked,
        // the computer's with the hand index; the record holds both kinds.
        const int recordedFromY =
            m->fromX == Vocabulary::UPPER_STAND_X && random() % 2 == 0 ? piece::upperStandRow(m->fromY) : m->fromY;
        f.手順保存(m->fromX, recordedFromY, m->toX, m->toY, m->code, m->placed, lowerBefore, f.lowerTime, upperBefore,
                   f.upperTime);
        randomplay::makeOnBoard(f, *m);
        f.moveNumber += 1;
        f.turn = upper ? f.lowerSide : f.upperSide;
        positions.push_back(positionOf(f));
        if (f.winner != 0) break;
    }
    return positions;
}

kif::Game gameOf(const Form1& f, const kif::Position& start) {
    kif::Game game;
    game.start = start;
    const Form1::MoveRecord& r = f.moveRecord;
    for (int n = 1; n <= f.recordIndex; ++n)
        game.moves.push_back({r.fromX[n], r.fromY[n], r.toX[n], r.toY[n], r.movedPiece[n], r.placedPiece[n],
                              r.capturedPiece[n], static_cast<long>(r.lowerTimeBefore[n]),
                              static_cast<long>(r.lowerTimeAfter[n]), static_cast<long>(r.upperTimeBefore[n]),
                              static_cast<long>(r.upperTimeAfter[n]), ""});
    return game;
}

void startOnLadder(Form1& f, int level, bool upperFirst) {
    for (int i = 0; i < (level < 0 ? -level : level); ++i) level > 0 ? f.LBEL_UP_Click() : f.LEBEL_DOWN_Click();
    f.START_Click();
    if (upperFirst) f.turn = f.upperSide;
}

PlayedGame playFrom(const SetUp& setUp, unsigned seed, int plies, bool takeKing) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    std::mt19937_64 random(seed);
    setUp(f, random);
    PlayedGame played;
    played.positions.push_back(positionOf(f));
    for (const kif::Position& p : playRandomMoves(f, random, plies, takeKing)) played.positions.push_back(p);
    played.game = gameOf(f, played.positions.front());
    played.kingTaken = f.winner != 0;
    return played;
}

size_t movesWritten(const kif::Game& game) {
    const size_t n = game.moves.size();
    if (n == 0 || !kif::takesKing(game.moves.back())) return n;
    return n >= 2 ? n - 2 : 0;
}

std::vector<kif::Position> replay(const kif::Game& game) {
    kif::StandardReplay replay(game.start);
    std::vector<kif::Position> positions{game.start};
    for (kif::Move m : game.moves) {
        if (!replay.play(m)) {
            ADD_FAILURE() << "move " << positions.size() << " does not fit " << sfenOf(replay.position());
            break;
        }
        positions.push_back(replay.position());
    }
    return positions;
}

}  // namespace kiftest
