// Levels 4 and 5 in the game: the engine's reply goes through the same record,
// move, messages and end of game as the one-move computer's, and with a node
// limit it is the same reply every time.

#include <gtest/gtest.h>

#include <random>

#include "tests/support/RandomMoves.h"
#include "tests/support/TestForm.h"

namespace {

constexpr std::uint64_t NODES = 20000;

struct EngineGame : TestForm {
    explicit EngineGame(const char* sfen, int level = 4) {
        computerToMove(sfen);
        form.comLevel = level;
        form.engineNodeLimit = NODES;
    }
    bool traced(const std::string& line) const { return trace.str().find(line) != std::string::npos; }
};

const char* const WON = "msgbox \"終了\" \"ｺﾝﾋﾟｭｰﾀの勝ちです\" OK -> OK";

TEST(EngineTurn, EndingsAsTheOneMoveComputerHasThem) {
    const struct {
        const char* what;
        const char* sfen;
        const char* message;
    } cases[] = {
        {"takes the king it can reach", "k8/9/9/9/9/9/9/3g1g3/4K4 w - 1", WON},
        {"mates with a gold drop", "k8/9/9/9/9/9/4s4/9/4K4 w g 1", "msgbox \"詰め ?\" \"よし！!\" OK -> OK"},
        {"with nothing to play, loses", "9/9/9/9/4K4/9/9/7pp/7pk w - 1",
         "msgbox \"終了\" \"あなたの勝ちです\" OK -> OK"},
    };
    for (const auto& c : cases)
        for (int level : {4, 5}) {
            SCOPED_TRACE(std::string(c.what) + " at level " + std::to_string(level));
            EngineGame g(c.sfen, level);
            g.form.com_ban();
            EXPECT_TRUE(g.traced(c.message)) << g.trace.str();
        }
}

// Through random positions: each reply is one the game's own move check
// allows (the forward rule included), recorded and played as levels 1-3 play
// theirs, and the same every time.
TEST(EngineTurn, RepliesAreAllowedMovesAndRepeatable) {
    std::mt19937_64 random(404);
    int replies = 0;
    for (int game = 0; game < 6; ++game) {
        TestForm start;
        start.form.Form_Load();
        bool upper = false;
        for (int ply = 0; ply < 10 + 6 * game; ++ply) {
            const auto m = randomplay::randomMove(start.form, upper, random, {.sparingKings = true});
            if (!m) break;
            randomplay::makeOnBoard(start.form, *m);
            upper = !upper;
        }
        const std::string sfen = sfen::of(start.form);
        const std::string position =
            sfen.substr(0, sfen.find(' ')) + " w " + sfen.substr(sfen.find(' ', sfen.find(' ') + 1) + 1);
        EngineGame first(position.c_str()), second(position.c_str());
        first.form.com_ban();
        second.form.com_ban();
        const Form1::MoveRecord& r = first.form.moveRecord;
        if (first.form.recordIndex == 0) continue;  // it had no move
        ++replies;
        EXPECT_EQ(sfen::of(first.form), sfen::of(second.form)) << position;
        EngineGame check(position.c_str());
        check.form.調査_2歩フラグ設定();
        EXPECT_EQ(check.form.移動チェック(r.fromX[1], r.fromY[1], r.toX[1], r.toY[1], r.movedPiece[1]), Form1::ON)
            << position;
        EXPECT_EQ(first.form.turn, first.form.lowerSide);
    }
    EXPECT_GT(replies, 3);
}

}  // namespace
