// The engine's forward-rule moves must be exactly the moves a player can make
// in the game: every destination the game's move check allows, with the
// promotion choices a click offers (promote where the game allows it, stay
// unpromoted unless the piece could never move again).

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

#include "engine/GameBridge.h"
#include "engine/Legality.h"
#include "engine/Notation.h"
#include "rules/MoveList.h"
#include "tests/engine/RandomPositions.h"
#include "tests/support/TestForm.h"

namespace {

using MoveKey = std::tuple<int, int, int, int, bool>;  // fromX, fromY, toX, toY, promote

constexpr int RANDOM_POSITIONS = 3000;
constexpr int RANDOM_GAMES = 60;
constexpr int RANDOM_GAME_PLIES = 120;

std::set<MoveKey> gameMoves(Form1& f, bool lowerToMove) {
    std::set<MoveKey> moves;
    forEachAllowedMove(f, !lowerToMove, [&](int fx, int fy, int tx, int ty, int code) {
        const bool promotable = f.調査_駒成(fx, fy, tx, ty, code) == Form1::ON;
        if (promotable) moves.insert({fx, fy, tx, ty, true});
        if (!promotable || f.移動後チェック(ty, code) == Form1::ON) moves.insert({fx, fy, tx, ty, false});
    });
    return moves;
}

std::set<MoveKey> engineMoves(engine::Position& pos) {
    engine::MoveList list;
    engine::generateLegalMoves(pos, list);
    std::set<MoveKey> moves;
    for (const engine::Move m : list) {
        const engine::GameMove g = engine::gameMoveOf(pos, m);
        EXPECT_TRUE(moves.insert({g.fromX, g.fromY, g.toX, g.toY, g.promote}).second) << "twice: " << engine::usiOf(m);
    }
    return moves;
}

void putOnForm(const engine_test::GamePosition& p, Form1& f) {
    std::copy(&p.board[0][0], &p.board[0][0] + 100, &f.board[0][0]);
    std::copy(p.lowerHand, p.lowerHand + 8, f.lowerHand);
    std::copy(p.upperHand, p.upperHand + 8, f.upperHand);
}

void expectSameMoves(Form1& f, engine::Position& pos, bool lowerToMove) {
    const auto expected = gameMoves(f, lowerToMove);
    const auto actual = engineMoves(pos);
    ASSERT_EQ(expected, actual) << engine::sfenOf(pos);
}

TEST(EngineMovesAgainstGame, RandomPositionsBothSides) {
    std::mt19937 random(20261208);
    TestForm game;
    for (int i = 0; i < RANDOM_POSITIONS; ++i) {
        const auto p = engine_test::randomGamePosition(random);
        putOnForm(p, game.form);
        engine::Position pos = engine::positionFromGame(p.board, p.lowerHand, p.upperHand, p.lowerToMove);
        expectSameMoves(game.form, pos, p.lowerToMove);
        if (HasFatalFailure()) return;
    }
}

// Random games from the start: hands fill up, pieces promote, kings wander.
// The game's own board follows every move through its move operation.
TEST(EngineMovesAgainstGame, AlongRandomGames) {
    std::mt19937 random(7);
    for (int g = 0; g < RANDOM_GAMES; ++g) {
        TestForm game;
        game.position("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -");
        Form1& f = game.form;
        std::string error;
        engine::Position pos = *engine::positionFromSfen(engine::START_SFEN, engine::Rules::Forward, error);
        for (int ply = 0; ply < RANDOM_GAME_PLIES; ++ply) {
            const bool lowerToMove = pos.sideToMove() == engine::BLACK;
            expectSameMoves(f, pos, lowerToMove);
            if (HasFatalFailure()) return;
            engine::MoveList list;
            engine::generateLegalMoves(pos, list);
            if (list.size == 0) break;
            const engine::Move m = list[static_cast<int>(random() % static_cast<unsigned>(list.size))];
            const engine::GameMove gm = engine::gameMoveOf(pos, m);
            const bool takesKing = engine::kindOf(pos.capturedBy(m)) == engine::KING;
            f.駒移動(gm.fromX, gm.fromY, gm.toX, gm.toY, gm.promote ? gm.code + (gm.code > 0 ? 1 : -1) : gm.code);
            pos.makeMove(m);
            if (takesKing) break;
        }
    }
}

}  // namespace
