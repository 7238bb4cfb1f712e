// The USI program: a script of good and bad commands is answered line by
// line without a crash, and levels 1-3 play exactly the move the game's own
// computer plays in the window.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "engine/GameBridge.h"
#include "engine/Legality.h"
#include "engine/Notation.h"
#include "game/MenuBar.h"
#include "tests/support/TestForm.h"
#include "usi/ClassicLevels.h"
#include "usi/UsiSession.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

std::vector<std::string> converse(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    usi::UsiSession session(in, out);
    session.run();
    return lines(out.str());
}

bool has(const std::vector<std::string>& answers, const std::string& prefix) {
    for (const auto& a : answers)
        if (a.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
}

std::vector<std::string> bestMoves(const std::vector<std::string>& answers) {
    std::vector<std::string> moves;
    for (const auto& a : answers)
        if (a.compare(0, 9, "bestmove ") == 0) moves.push_back(a.substr(9));
    return moves;
}

bool legalIn(const std::string& sfen, const std::string& move, engine::Rules rules = engine::Rules::Forward) {
    std::string error;
    engine::Position pos = *engine::positionFromSfen(sfen, rules, error);
    return engine::isLegalMove(pos, engine::moveFromUsi(pos, move));
}

constexpr const char* AFTER_TWO_MOVES = "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 3";

TEST(UsiSession, AnswersAScriptOfGoodAndBadCommands) {
    const auto answers = converse(
        "usi\n"
        "\n"
        "isready\n"
        "setoption name NoSuchOption value 3\n"
        "setoption name Level value many\n"
        "setoption name ForwardRule value perhaps\n"
        "bogus command\n"
        "position startpos moves 7g7f 3c3d\n"
        "go depth 3\n"
        "position startpos moves 7g7f 7g7f\n"
        "position sfen not a position\n"
        "position\n"
        "go nodes lots\n"
        "go perft 2\n"
        "ponderhit\n"
        "go infinite\n"
        "stop\n"
        "setoption name Level value 2\n"
        "go\n"
        "setoption name Level value 4\n"
        "setoption name ForwardRule value false\n"
        "position sfen 4k4/4G4/4P4/9/9/9/9/9/4K4 w - 1\n"
        "go depth 2\n"
        "gameover lose\n"
        "quit\n"
        "isready\n");
    EXPECT_EQ(answers.front(), "id name Mirelo");
    const char* const EXPECTED[] = {
        "option name ForwardRule type check default true",
        "option name Level type spin default 5 min 1 max 5",
        "usiok",
        "readyok",
        "info string unknown command: bogus",
        "info string illegal move 7g7f",
        "info string bad position",
        "info string cannot do 'setoption name Level value many'",
        "info string cannot do 'go nodes lots'",
        "info depth 3 score cp",
        // Perft of the position that still stands after the refused ones.
        "2g2f: 39",
        "total: 1472",
    };
    for (const char* line : EXPECTED) EXPECT_TRUE(has(answers, line)) << line;
    const auto moves = bestMoves(answers);
    ASSERT_EQ(moves.size(), 4u);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(legalIn(AFTER_TWO_MOVES, moves[i])) << moves[i];
    EXPECT_EQ(moves[3], "resign");                 // mated under standard rules
    EXPECT_EQ(answers.back(), "bestmove resign");  // nothing after quit
}

TEST(UsiSession, AcceptsWindowsLineEndsAndClockLimits) {
    const auto answers = converse(
        "usi\r\n"
        "position startpos\r\n"
        "go btime 1000 wtime 1000 byoyomi 100\r\n"
        "quit\r\n");
    EXPECT_TRUE(has(answers, "usiok"));
    const auto moves = bestMoves(answers);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_TRUE(legalIn(engine::START_SFEN, moves[0]));
}

// The computer's reply in the record, as an engine move of the upper side.
engine::Move recordedReply(const Form1& f) {
    const auto& r = f.moveRecord;
    const int n = f.recordIndex;
    const engine::Square to = engine::squareAt(r.toX[n], r.toY[n]);
    if (r.fromX[n] == engine::UPPER_STAND_X) return engine::dropMove(engine::kindOfHandIndex(r.fromY[n]), to);
    return engine::boardMove(engine::squareAt(r.fromX[n], r.fromY[n]), to, r.placedPiece[n] != r.movedPiece[n]);
}

void clickMove(Form1& f, const engine::Position& pos, engine::Move m) {
    const engine::GameMove g = engine::gameMoveOf(pos, m);
    clickCell(f, Form1::LEFT_BUTTON, g.fromX, g.fromY);
    clickCell(f, g.promote ? Form1::RIGHT_BUTTON : Form1::LEFT_BUTTON, g.toX, g.toY);
}

constexpr int GAMES_PER_LEVEL = 3;
constexpr int HUMAN_MOVES = 40;
constexpr int FEWEST_REPLIES_COMPARED = 100;

// Games played with the mouse against the game's computer: before each of
// its replies, the classic level is asked for the same position.
TEST(ClassicLevels, PlayTheGamesOwnComputersMoves) {
    std::mt19937 random(5);
    const int levelItems[] = {0, Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3};
    int compared = 0;
    for (int level = usi::FIRST_CLASSIC_LEVEL; level <= usi::LAST_CLASSIC_LEVEL; ++level)
        for (int g = 0; g < GAMES_PER_LEVEL; ++g) {
            TestForm game;
            Form1& f = game.form;
            f.Form_Load();
            f.menuClick(levelItems[level]);
            f.menuClick(Menu::SENTE_ITEM);
            std::string error;
            engine::Position pos = *engine::positionFromSfen(engine::START_SFEN, engine::Rules::Forward, error);
            for (int move = 0; move < HUMAN_MOVES; ++move) {
                engine::MoveList list;
                engine::generateLegalMoves(pos, list);
                const engine::Move human = list[static_cast<int>(random() % static_cast<unsigned>(list.size))];
                if (engine::kindOf(pos.capturedBy(human)) == engine::KING) break;
                const int recorded = f.recordIndex;
                clickMove(f, pos, human);
                pos.makeMove(human);
                // The human's move and the computer's reply, unless the game ended.
                if (f.turn != f.lowerSide || f.recordIndex != recorded + 2) break;
                const engine::Move expected = usi::classicMove(pos, level);
                ASSERT_EQ(engine::usiOf(recordedReply(f)), engine::usiOf(expected))
                    << "level " << level << " in " << engine::sfenOf(pos);
                ++compared;
                pos.makeMove(expected);
                if (f.winner != 0) break;
            }
        }
    EXPECT_GE(compared, FEWEST_REPLIES_COMPARED);
}

// Playing Black, the classic level sees the board turned round.
TEST(ClassicLevels, PlayEitherSide) {
    std::string error;
    const engine::Position black = *engine::positionFromSfen(engine::START_SFEN, engine::Rules::Forward, error);
    const engine::Position white = *engine::positionFromSfen(
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", engine::Rules::Forward, error);
    for (int level = usi::FIRST_CLASSIC_LEVEL; level <= usi::LAST_CLASSIC_LEVEL; ++level) {
        const std::string asBlack = engine::usiOf(usi::classicMove(black, level));
        const std::string asWhite = engine::usiOf(usi::classicMove(white, level));
        // The same move seen from the other side: files and ranks counted from the other end.
        ASSERT_EQ(asBlack.size(), 4u);
        const std::string turned = {
            static_cast<char>('0' + 10 - (asBlack[0] - '0')), static_cast<char>('i' - (asBlack[1] - 'a')),
            static_cast<char>('0' + 10 - (asBlack[2] - '0')), static_cast<char>('i' - (asBlack[3] - 'a'))};
        EXPECT_EQ(asWhite, turned) << "level " << level;
    }
}

}  // namespace
