// Game-record files: the bytes the writer produces, the round trip through a
// file and the stepping that follows, and the writer's and reader's refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "game/PieceCode.h"
#include "record/KifuFormat.h"
#include "tests/support/GameSnapshot.h"
#include "tests/support/RandomMoves.h"
#include "tests/support/RecordGames.h"
#include "tests/support/TestForm.h"

namespace {

namespace fs = std::filesystem;
using recordtest::readBytes;
using recordtest::Step;
using recordtest::writeBytes;

// Everything a refused file must leave as it was.
std::string stateOf(const Form1& f) {
    std::string s = sfen::of(f);
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) s += ' ' + std::to_string(f.board[x][y]);
    for (int v : {f.lowerHandCount, f.upperHandCount, f.turn, f.SENTE, f.GOTE, f.lowerSide, f.upperSide, f.gameMode,
                  f.moveNumber, f.recordIndex, f.recordLength, f.kifuMode, f.resumePending, f.reversed, f.handicapSet,
                  f.handicapLevel, f.clickState})
        s += ' ' + std::to_string(v);
    s += ' ' + std::to_string(f.lowerTime) + ' ' + std::to_string(f.upperTime);
    const Form1::MoveRecord& r = f.moveRecord;
    for (int n = 1; n <= f.recordLength; ++n)
        s += ' ' + std::to_string(r.fromX[n]) + std::to_string(r.fromY[n]) + std::to_string(r.toX[n]) +
             std::to_string(r.toY[n]) + std::to_string(r.movedPiece[n]) + std::to_string(r.placedPiece[n]) +
             std::to_string(r.capturedPiece[n]) + std::to_string(r.lowerTimeAfter[n]) +
             std::to_string(r.upperTimeAfter[n]);
    // The entries beyond the length too, as one number.
    s += ' ' +
         std::to_string(std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(&r), sizeof r)));
    s += ' ' + std::to_string(f.filePanel.drive1Visible) + std::to_string(f.filePanel.dir1Visible) +
         std::to_string(f.filePanel.file1Visible) + std::to_string(f.filePanel.textVisible);
    return s;
}

// The fields of a move line at their columns, as the file format lays them out.
TEST(RecordFile, MoveLineColumns) {
    struct Case {
        kifu::MoveLine move;
        const char* line;
    } cases[] = {
        // ７六歩 as the first move after 12 whole seconds of the lower side.
        {{3, 7, 3, 6, -10, -10, 0, 0, 12, 0, 0}, " 3736 -10 -10   0    0   12    0    0"},
        // A promotion capturing the lower rook: four columns without a blank.
        {{2, 2, 2, 8, 901, 900, -900, 7, 7, 3, 45}, " 2228 901 900-900    7    7    3   45"},
        // Drops name the stand: 11 for the lower side, -1 for the upper side.
        {{11, 8, 5, 5, -800, -800, 0, 113, 120, 0, 0}, "11855-800-800   0  113  120    0    0"},
        {{-1, 7, 1, 5, 10, 10, 0, 99999, 99999, 12345, 99999}, "-1715  10  10   099999999991234599999"},
        {{9, 9, 9, 8, -950, -950, 0, 1, 1, 0, 0}, " 9998-950-950   0    1    1    0    0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kifu::format(c.move), c.line);
        kifu::MoveLine back;
        ASSERT_TRUE(kifu::parse(c.line, back)) << c.line;
        EXPECT_EQ(kifu::format(back), c.line);
    }
}

TEST(RecordFile, SecondsKeepTheirWholePartUpToFiveColumns) {
    const struct {
        double seconds;
        long written;
    } cases[] = {{0, 0},           {12.7, 12},      {59.999, 59},      {99998.9, 99998}, {99999, 99999},
                 {99999.9, 99999}, {100000, 99999}, {123456.7, 99999}, {1e30, 99999},    {-3, 0}};
    for (const auto& c : cases) EXPECT_EQ(kifu::fileSeconds(c.seconds), c.written) << c.seconds;
}

// A short game of two people through the mouse: a capture with promotion, the
// recapture, and a drop by each side. The file is compared byte for byte.
TEST(RecordFile, WrittenBytesOfAKnownGame) {
    TestForm t;
    Form1& f = t.form;
    const std::string folder = recordtest::freshFolder("known");
    f.Form_Load();
    f.Dir1_Change(folder);
    f.setChecked(Menu::KEIKA, true);
    t.platform.clock = 36000;
    f.START_Click();
    struct Move {
        double seconds;  // thinking time before the move
        int fromX, fromY, toX, toY, button;
    } moves[] = {
        {12.7, 3, 7, 3, 6, Form1::LEFT_BUTTON},    // ７六歩
        {0, 7, 3, 7, 4, Form1::LEFT_BUTTON},       // ３四歩
        {100.4, 2, 8, 8, 2, Form1::RIGHT_BUTTON},  // ２二角成, taking the bishop
        {0, 7, 1, 8, 2, Form1::LEFT_BUTTON},       // ２二銀, taking the horse back
        {7, 11, 8, 5, 5, Form1::LEFT_BUTTON},      // ５五角 dropped (stand row 8 holds bishops)
        {0, -1, 2, 1, 5, Form1::LEFT_BUTTON},      // ９五角 dropped (the upper stand's row 2)
    };
    for (const Move& m : moves) {
        t.platform.clock += m.seconds;
        f.Timer1_Timer();
        clickCell(f, Form1::LEFT_BUTTON, m.fromX, m.fromY);
        clickCell(f, m.button, m.toX, m.toY);
    }
    ASSERT_EQ(f.recordIndex, 6) << t.takeTrace();
    f.KIFU_WRITE_Click();
    f.setPanelText(FILE_NAME_BOX, "対局1");
    f.setPanelText(TITLE_BOX, "第1局");
    f.setPanelText(FIRST_PLAYER_BOX, "先手太郎");
    f.setPanelText(SECOND_PLAYER_BOX, "後手花子");
    t.takeTrace();
    f.Command1_Click();
    EXPECT_EQ(t.takeTrace(), "msgbox \"  \" \"棋譜を書き込みました\" OK -> OK\n");
    const std::string expected = std::string("\x91\xE6\x31\x8B\xC7\r\n")   // 第1局
                                 + "\x8C\xE3\x8E\xE8\x89\xD4\x8E\x71\r\n"  // 後手花子: the upper side moved second
                                 + "\x90\xE6\x8E\xE8\x91\xBE\x98\x59\r\n"  // 先手太郎
                                 +
                                 " 3736 -10 -10   0    0   12    0    0\r\n"
                                 " 7374  10  10   0   12   12    0    0\r\n"
                                 " 2882-801-800 800   12  113    0    0\r\n"
                                 " 7182 100 100-801  113  113    0    0\r\n"
                                 "11855-800-800   0  113  120    0    0\r\n"
                                 "-1215 800 800   0  120  120    0    0\r\n";
    EXPECT_EQ(readBytes(folder + "/対局1.棋譜"), expected);
    EXPECT_FALSE(f.filePanel.drive1Visible || f.filePanel.dir1Visible || f.filePanel.textVisible);
    EXPECT_EQ(f.filePanel.text[TITLE_BOX], "");

    // The file reads back into the same record, the person's upper drop included.
    const Form1::MoveRecord before = f.moveRecord;
    TestForm u;
    u.form.Form_Load();
    u.form.Dir1_Change(folder);
    u.takeTrace();
    u.form.File1_Click("対局1.棋譜");
    EXPECT_EQ(u.takeTrace(),
              "msgbox \"棋譜\" \" 読み込みました\" OK -> OK\n"
              "msgbox \"棋譜\" \"棋譜を '進 'で進めて下さい\" OK -> OK\n");
    ASSERT_EQ(u.form.recordLength, 6);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(u.form.moveRecord.fromY[n], before.fromY[n]) << n;
        EXPECT_EQ(u.form.moveRecord.placedPiece[n], before.placedPiece[n]) << n;
        EXPECT_EQ(u.form.moveRecord.lowerTimeAfter[n], static_cast<long>(before.lowerTimeAfter[n])) << n;
    }
    fs::remove_all(folder);
}

// Header lines 2 and 3 hold the upper and the lower side's player: the first
// player's name goes to the side that made the record's first move, also when
// 先手 is chosen in the middle of a game the computer opened (which hands the
// lower side the first player's turn value).
TEST(RecordFile, HeaderLinesFollowWhoMovedFirst) {
    const std::string folder = recordtest::freshFolder("header");
    enum Opening { PEOPLE, COMPUTER, COMPUTER_THEN_SENTE };
    for (const Opening opening : {PEOPLE, COMPUTER, COMPUTER_THEN_SENTE}) {
        SCOPED_TRACE(opening);
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        f.Dir1_Change(folder);
        if (opening == PEOPLE) {
            f.START_Click();
        } else {
            f.GOTE_Click();  // the computer opens
        }
        clickCell(f, Form1::LEFT_BUTTON, 3, 7);
        clickCell(f, Form1::LEFT_BUTTON, 3, 6);
        if (opening == COMPUTER_THEN_SENTE) f.SENTE_Click();
        const int moves = f.recordIndex;
        ASSERT_EQ(moves, opening == PEOPLE ? 1 : 3);
        f.KIFU_WRITE_Click();
        f.setPanelText(FILE_NAME_BOX, "h");
        f.setPanelText(TITLE_BOX, "名人戦");
        f.setPanelText(FIRST_PLAYER_BOX, "ｱｲｳ");
        f.setPanelText(SECOND_PLAYER_BOX, "棋譜");
        f.Command1_Click();
        const std::string bytes = readBytes(folder + "/h.棋譜");
        const std::string title = "\x96\xBC\x90\x6C\x90\xED\r\n", first = "\xB1\xB2\xB3\r\n",
                          second = "\x8A\xFB\x95\x88\r\n";
        const bool lowerFirst = opening == PEOPLE;
        ASSERT_GE(bytes.size(), 39u * moves);
        EXPECT_EQ(bytes.substr(0, bytes.size() - 39 * moves), title + (lowerFirst ? second + first : first + second));
    }
    fs::remove_all(folder);
}

// Play, save, load, and step: at every move the board, the hands and both
// clocks are those the game had (the clocks as whole seconds).
TEST(RecordFile, RoundTripThroughAFileAndStepping) {
    const std::string folder = recordtest::freshFolder("roundtrip");
    struct Game {
        unsigned seed;
        int plies;  // at most
        bool againstComputer;
    } games[] = {{1, 60, false}, {2, 80, false}, {3, 40, true}, {5, 30, true}};
    for (const Game& g : games) {
        SCOPED_TRACE("seed " + std::to_string(g.seed));
        TestForm t;
        const std::vector<Step> steps = recordtest::playGame(t, g.seed, g.plies, g.againstComputer);
        Form1& f = t.form;
        // Random play may corner a king before the end; most of the game is enough.
        const int plies = static_cast<int>(steps.size()) - 1;
        ASSERT_GE(plies, g.plies * 3 / 4);
        if (!g.againstComputer) {
            // Both sides captured, dropped and promoted.
            int kinds[2][3] = {};
            const Form1::MoveRecord& m = f.moveRecord;
            for (int n = 1; n <= plies; ++n) {
                const int side = m.movedPiece[n] > 0;
                kinds[side][0] += m.capturedPiece[n] != 0;
                kinds[side][1] += piece::isDropSource(m.fromX[n]);
                kinds[side][2] += m.placedPiece[n] != m.movedPiece[n];
            }
            for (const auto& side : kinds)
                for (int count : side) EXPECT_GT(count, 0);
        }
        f.Dir1_Change(folder);
        f.KIFU_WRITE_Click();
        f.setPanelText(FILE_NAME_BOX, "game" + std::to_string(g.seed));
        f.Command1_Click();

        TestForm u;
        Form1& r = u.form;
        r.Form_Load();
        r.Dir1_Change(folder);
        r.File1_Click("game" + std::to_string(g.seed) + ".棋譜");
        ASSERT_EQ(r.recordLength, plies) << u.takeTrace();
        EXPECT_EQ(r.kifuMode, Form1::ON);
        const Form1::MoveRecord& played = f.moveRecord;
        for (int n = 0; n <= plies; ++n) {
            if (n > 0) r.AFTER_Click();
            ASSERT_EQ(r.recordIndex, n);
            // Times as the file keeps them; the computer's game also against its own clocks.
            const double lowerTime = n == 0 ? 0 : static_cast<long>(played.lowerTimeAfter[n]);
            const double upperTime = n == 0 ? 0 : static_cast<long>(played.upperTimeAfter[n]);
            EXPECT_EQ(r.lowerTime, lowerTime) << n;
            EXPECT_EQ(r.upperTime, upperTime) << n;
            EXPECT_EQ(r.moveNumber, n);
            const Step& s = steps[n];
            if (s.sfen.empty()) continue;  // inside the computer's answering click
            EXPECT_EQ(sfen::of(r), s.sfen) << "move " << n;
            EXPECT_EQ(r.lowerHandCount, s.lowerHandCount) << n;
            EXPECT_EQ(r.upperHandCount, s.upperHandCount) << n;
            if (g.againstComputer) {
                EXPECT_EQ(r.lowerTime, static_cast<long>(s.lowerTime)) << n;
                EXPECT_EQ(r.upperTime, static_cast<long>(s.upperTime)) << n;
            }
        }
        u.takeTrace();
        r.AFTER_Click();
        EXPECT_EQ(u.takeTrace(), "msgbox \"進む\" \"終わり\" OK -> OK\n");
        // And back to the start again.
        for (int n = plies - 1; n >= 0; --n) {
            r.REPLAY_Click();
            if (!steps[n].sfen.empty()) {
                EXPECT_EQ(sfen::of(r), steps[n].sfen) << "back to " << n;
            }
        }
    }
    fs::remove_all(folder);
}

// The six-move game of WrittenBytesOfAKnownGame as a file, line by line.
std::vector<std::string> knownGameLines() {
    return {"title",
            "upper",
            "lower",
            " 3736 -10 -10   0    0   12    0    0",
            " 7374  10  10   0   12   12    0    0",
            " 2882-801-800 800   12  113    0    0",
            " 7182 100 100-801  113  113    0    0",
            "11855-800-800   0  113  120    0    0",
            "-1215 800 800   0  120  120    0    0"};
}

std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// Kings stepping to and fro: a consistent game of any length.
std::vector<std::string> kingShuffle(int moves) {
    std::vector<std::string> lines = {"t", "u", "l"};
    static const char* const CYCLE[4] = {
        " 5958-950-950   0    0    0    0    0", " 5152 950 950   0    0    0    0    0",
        " 5859-950-950   0    0    0    0    0", " 5251 950 950   0    0    0    0    0"};
    for (int n = 0; n < moves; ++n) lines.push_back(CYCLE[n % 4]);
    return lines;
}

// A form in the middle of a game of two people, the read panel open.
void midGame(TestForm& t, const std::string& folder) {
    Form1& f = t.form;
    f.Form_Load();
    f.Dir1_Change(folder);
    f.START_Click();
    clickCell(f, Form1::LEFT_BUTTON, 7, 7);
    clickCell(f, Form1::LEFT_BUTTON, 7, 6);
    clickCell(f, Form1::LEFT_BUTTON, 3, 3);
    clickCell(f, Form1::LEFT_BUTTON, 3, 4);
    f.REPLAY_Click();
    f.KIFU_READ_Click();
    t.takeTrace();
}

// Every file that does not describe a game from the start position is refused
// with a message, and nothing of the game changes.
TEST(RecordFile, ReaderRefusesBadFilesAndChangesNothing) {
    const std::string folder = recordtest::freshFolder("refuse");
    fs::create_directory(folder + "/folder.棋譜");
    const auto with = [](int line, const std::string& text) {
        std::vector<std::string> lines = knownGameLines();
        lines[line - 1] = text;
        return joined(lines);
    };
    const std::string lines3to4 = joined(knownGameLines());
    struct Case {
        const char* what;
        std::string name;   // file clicked
        std::string bytes;  // written to "bad.棋譜" when not empty
        std::string message;
    } cases[] = {
        {"missing file", "none.棋譜", "", "棋譜ﾌｧｲﾙを開けません"},
        {"a folder", "folder.棋譜", "", "棋譜ﾌｧｲﾙを開けません"},
        {"path separator", "../bad.棋譜", lines3to4, "棋譜ﾌｧｲﾙを開けません"},
        {"backslash", "..\\bad.棋譜", lines3to4, "棋譜ﾌｧｲﾙを開けません"},
        {"title not Shift_JIS", "bad.棋譜", with(1, "\x81"), "棋譜ﾌｧｲﾙの 1 行目が読めません"},
        {"name not Shift_JIS", "bad.棋譜", with(3, "ab\x82\xFF"), "棋譜ﾌｧｲﾙの 3 行目が読めません"},
        {"short line", "bad.棋譜", with(4, " 3736 -10 -10   0    0   12    0   0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"long line", "bad.棋譜", with(4, " 3736 -10 -10   0    0   12    0    0 "),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"empty line", "bad.棋譜", with(5, ""), "棋譜ﾌｧｲﾙの 5 行目が正しくありません"},
        {"letter in a field", "bad.棋譜", with(4, " 3736 -10 -1O   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"blank field", "bad.棋譜", with(4, " 3736 -10 -10        0   12    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"source column 0", "bad.棋譜", with(4, " 0736 -10 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"stand column 10", "bad.棋譜", with(4, "10736 -10 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"destination row 0", "bad.棋譜", with(4, " 3730 -10 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"lower stand row 2", "bad.棋譜", with(8, "11255-800-800   0  113  120    0    0"),
         "棋譜ﾌｧｲﾙの 8 行目が正しくありません"},
        {"upper stand row 8", "bad.棋譜", with(9, "-1815 800 800   0  120  120    0    0"),
         "棋譜ﾌｧｲﾙの 9 行目が正しくありません"},
        {"code not in the table", "bad.棋譜", with(4, " 3736 -12 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"spare gold code", "bad.棋譜", with(4, " 3736-111 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"negative time", "bad.棋譜", with(4, " 3736 -10 -10   0    0   -1    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"same side twice", "bad.棋譜", with(5, " 7776 -10 -10   0   12   12    0    0"),
         "棋譜ﾌｧｲﾙの 2 手目が局面と合いません"},
        {"nothing on the source", "bad.棋譜", with(4, " 3636 -10 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 1 手目が局面と合いません"},
        {"another piece on the source", "bad.棋譜", with(4, " 2836 -10 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 1 手目が局面と合いません"},
        {"captured piece not there", "bad.棋譜", with(6, " 2882-801-800 900   12  113    0    0"),
         "棋譜ﾌｧｲﾙの 3 手目が局面と合いません"},
        {"capture of an empty square", "bad.棋譜", with(4, " 3736 -10 -10  10    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 1 手目が局面と合いません"},
        {"capture of an own piece", "bad.棋譜", with(4, " 2827-800-800 -10    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 1 手目が局面と合いません"},
        {"becomes another kind", "bad.棋譜", with(4, " 3736-110 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 1 手目が局面と合いません"},
        {"gold promoting", "bad.棋譜", with(4, " 4958-111-110   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 4 行目が正しくありません"},
        {"promoted code on the source", "bad.棋譜", with(7, " 7182 101 101-801  113  113    0    0"),
         "棋譜ﾌｧｲﾙの 4 手目が局面と合いません"},
        {"demoted", "bad.棋譜", with(6, " 2882-800-801 800   12  113    0    0"),
         "棋譜ﾌｧｲﾙの 3 手目が局面と合いません"},
        {"drop with an empty hand", "bad.棋譜", with(4, "11355 -10 -10   0    0   12    0    0"),
         "棋譜ﾌｧｲﾙの 1 手目が局面と合いません"},
        {"drop from the wrong stand row", "bad.棋譜", with(8, "11755-800-800   0  113  120    0    0"),
         "棋譜ﾌｧｲﾙの 5 手目が局面と合いません"},
        {"drop from the other stand", "bad.棋譜", with(8, "-1255-800-800   0  113  120    0    0"),
         "棋譜ﾌｧｲﾙの 5 手目が局面と合いません"},
        {"drop of another kind", "bad.棋譜", with(8, "11955-900-900   0  113  120    0    0"),
         "棋譜ﾌｧｲﾙの 5 手目が局面と合いません"},
        {"drop promoted", "bad.棋譜", with(8, "11855-801-800   0  113  120    0    0"),
         "棋譜ﾌｧｲﾙの 5 手目が局面と合いません"},
        {"drop onto a piece", "bad.棋譜", with(8, "11857-800-800 -10  113  120    0    0"),
         "棋譜ﾌｧｲﾙの 5 手目が局面と合いません"},
        {"501 moves", "bad.棋譜", joined(kingShuffle(501)), "棋譜ﾌｧｲﾙの手数が500手を超えています"},
        {"a title of megabytes", "bad.棋譜", std::string(3 << 20, 'a') + "\r\n" + joined(knownGameLines()),
         "棋譜ﾌｧｲﾙが大きすぎます"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.bytes.empty()) writeBytes(folder + "/bad.棋譜", c.bytes);
        TestForm t;
        midGame(t, folder);
        const std::string before = stateOf(t.form);
        t.form.File1_Click(c.name);
        EXPECT_EQ(t.takeTrace(), "msgbox \"棋譜\" \"" + c.message + "\" OK -> OK\n");
        EXPECT_EQ(stateOf(t.form), before);
    }
    fs::remove_all(folder);
}

// A king taken ends the game: a record that plays on after it is not one the
// game can have written, and would leave the board without kings.
// A game played by the rules until a king is taken, as the lines of a record
// file: random moves, and a king taken as soon as one can be.
std::vector<std::string> linesToAKingsCapture() {
    std::mt19937_64 random(7);
    TestForm t;
    t.form.Form_Load();
    std::vector<std::string> lines = {"t", "u", "l"};
    for (bool upper = false; t.form.winner == 0; upper = !upper) {
        std::vector<randomplay::Move> moves = randomplay::allowedMoves(t.form, upper);
        const auto takesKing = [&](const randomplay::Move& m) {
            return piece::abs(t.form.board[m.toX][m.toY]) == Form1::KING;
        };
        const auto king = std::find_if(moves.begin(), moves.end(), takesKing);
        const randomplay::Move m = king != moves.end() ? *king : moves[random() % moves.size()];
        lines.push_back(
            kifu::format({m.fromX, m.fromY, m.toX, m.toY, m.placed, m.code, t.form.board[m.toX][m.toY], 0, 0, 0, 0}));
        randomplay::makeOnBoard(t.form, m);
    }
    return lines;
}

TEST(RecordFile, ReaderRefusesMovesAfterAKingIsTaken) {
    const std::string folder = recordtest::freshFolder("king");
    std::vector<std::string> lines = linesToAKingsCapture();
    const int moves = static_cast<int>(lines.size()) - 3;
    writeBytes(folder + "/taken.棋譜", joined(lines));
    lines.push_back(lines[3]);  // any move at all after the king is gone
    writeBytes(folder + "/after.棋譜", joined(lines));
    TestForm t;
    midGame(t, folder);
    t.form.File1_Click("taken.棋譜");
    EXPECT_EQ(t.form.recordLength, moves) << t.takeTrace();
    t.takeTrace();
    const std::string before = stateOf(t.form);
    t.form.File1_Click("after.棋譜");
    EXPECT_EQ(t.takeTrace(),
              "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙの " + std::to_string(moves + 1) + " 手目が局面と合いません\" OK -> OK\n");
    EXPECT_EQ(stateOf(t.form), before);
    fs::remove_all(folder);
}

// Moves the bookkeeping accepts but no click could make are refused: the
// file's own games were played by the game's rules.
TEST(RecordFile, ReaderRefusesMovesNoClickCouldMake) {
    const std::string folder = recordtest::freshFolder("rules");
    const struct {
        const char* what;
        std::vector<std::string> moves;
        int bad;
    } cases[] = {
        {"a pawn three squares on", {" 7774 -10 -10   0    0    0    0    0"}, 1},
        {"a king across the board", {" 5952-950-950   0    0    0    0    0"}, 1},
        {"a promotion outside the zone", {" 7776 -11 -10   0    0    0    0    0"}, 1},
        {"the rook sideways once the square ahead is open (the forward rule)",
         {" 8786 -10 -10   0    0    0    0    0", " 3334  10  10   0    0    0    0    0",
          " 8878-900-900   0    0    0    0    0"},
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> lines = {"t", "u", "l"};
        lines.insert(lines.end(), c.moves.begin(), c.moves.end());
        writeBytes(folder + "/bad.棋譜", joined(lines));
        TestForm t;
        midGame(t, folder);
        const std::string before = stateOf(t.form);
        t.takeTrace();
        t.form.File1_Click("bad.棋譜");
        EXPECT_EQ(t.takeTrace(),
                  "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙの " + std::to_string(c.bad) + " 手目が局面と合いません\" OK -> OK\n");
        EXPECT_EQ(stateOf(t.form), before);
    }
    fs::remove_all(folder);
}

// What a good file does: 500 moves are the most a record holds; a file of
// headers only gives the empty-record message and stays in record mode; the
// side of move 1 decides who moved first.
TEST(RecordFile, ReaderLoadsAndSetsTheSides) {
    const std::string folder = recordtest::freshFolder("load");
    std::vector<std::string> upperFirst = {"", "", "", " 3334  10  10   0    0    0    0    5"};
    const struct Case {
        const char* what;
        std::string bytes;
        int length;
        bool upperMovedFirst;
        std::string messages;
    } cases[] = {
        {"500 moves", joined(kingShuffle(500)), 500, false,
         "msgbox \"棋譜\" \" 読み込みました\" OK -> OK\nmsgbox \"棋譜\" \"棋譜を '進 'で進めて下さい\" OK -> OK\n"},
        {"upper side first, LF ends", "名人戦\n\n\n 3334  10  10   0    0    0    0    5\n", 1, true,
         "msgbox \"棋譜\" \" 読み込みました\" OK -> OK\nmsgbox \"棋譜\" \"棋譜を '進 'で進めて下さい\" OK -> OK\n"},
        {"no final line end", joined(knownGameLines()).substr(0, joined(knownGameLines()).size() - 2), 6, false,
         "msgbox \"棋譜\" \" 読み込みました\" OK -> OK\nmsgbox \"棋譜\" \"棋譜を '進 'で進めて下さい\" OK -> OK\n"},
        {"blank lines after the moves", joined(knownGameLines()) + "\r\n\r\n", 6, false,
         "msgbox \"棋譜\" \" 読み込みました\" OK -> OK\nmsgbox \"棋譜\" \"棋譜を '進 'で進めて下さい\" OK -> OK\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(folder + "/good.棋譜", c.bytes);
        TestForm t;
        midGame(t, folder);
        Form1& f = t.form;
        f.File1_Click("good.棋譜");
        EXPECT_EQ(t.takeTrace(), c.messages);
        EXPECT_EQ(f.kifuMode, Form1::ON);
        EXPECT_EQ(f.recordLength, c.length);
        EXPECT_EQ(f.recordIndex, 0);
        EXPECT_EQ(f.moveNumber, 0);
        EXPECT_EQ(sfen::of(f).rfind("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL ", 0), 0u);
        EXPECT_FALSE(f.filePanel.drive1Visible || f.filePanel.dir1Visible || f.filePanel.file1Visible);
        EXPECT_EQ(f.turn, f.SENTE);
        EXPECT_EQ(f.GOTE, -f.SENTE);
        EXPECT_EQ(f.SENTE, c.upperMovedFirst ? f.upperSide : f.lowerSide);
        EXPECT_EQ(f.gameMode, c.upperMovedFirst ? Form1::MODE_COM : Form1::MODE_HUMAN);
        for (int n = 0; n < c.length; ++n) f.AFTER_Click();
        EXPECT_EQ(f.recordIndex, c.length);
        EXPECT_EQ(f.turn, c.length % 2 == 0 ? f.SENTE : f.GOTE);
        t.takeTrace();
        f.AFTER_Click();
        EXPECT_EQ(t.takeTrace(), "msgbox \"進む\" \"終わり\" OK -> OK\n");
    }
    fs::remove_all(folder);
}

// A file without a move is refused like a damaged one: the game under way
// stays exactly as it was.
TEST(RecordFile, AFileWithoutMovesChangesNothing) {
    const std::string folder = recordtest::freshFolder("empty");
    for (const char* bytes : {"a\r\nb\r\nc\r\n", "a", ""}) {
        SCOPED_TRACE(bytes);
        writeBytes(folder + "/empty.棋譜", bytes);
        TestForm t;
        midGame(t, folder);
        const GameSnapshot before(t.form);
        t.form.File1_Click("empty.棋譜");
        EXPECT_EQ(t.takeTrace(), "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません\" OK -> OK\n");
        EXPECT_TRUE(GameSnapshot(t.form) == before);
    }
    fs::remove_all(folder);
}

// The three header lines are drawn around the board.
TEST(RecordFile, ReaderDrawsTheHeader) {
    const std::string folder = recordtest::freshFolder("draw");
    // 名人戦, ｱｲｳ twice and one move.
    writeBytes(folder + "/a.棋譜",
               "\x96\xBC\x90\x6C\x90\xED\r\n\xB1\xB2\xB3\r\n\xB1\xB2\xB3\r\n" + knownGameLines()[3] + "\r\n");
    TestForm t;
    t.form.Form_Load();
    t.form.Dir1_Change(folder);
    t.platform.traceDraw = true;
    t.takeTrace();
    t.form.File1_Click("a.棋譜");
    const std::string trace = t.takeTrace();
    // x = 1050 + (3 + (13 - characters) / 5) * 495; the title 3000 twips further left.
    EXPECT_NE(trace.find("draw text \"名人戦\" 525 6350 12 12\n"
                         "draw text \"ｱｲｳ\" 3525 100 12 15\n"
                         "draw text \"ｱｲｳ\" 3525 6350 12 15\n"),
              std::string::npos)
        << trace;
    fs::remove_all(folder);
}

// The writer's refusals leave the game and the open panel as they were and
// create no file.
TEST(RecordFile, WriterRefusalsChangeNothing) {
    const std::string folder = recordtest::freshFolder("writer");
    struct Case {
        const char* what;
        std::string name, title;
        bool played;
        std::string folder;
        std::string message;
    } cases[] = {
        {"no name", "", "", true, folder, "msgbox \"  \" \"ﾌｧｲﾙ名が入力されていません\" OK -> OK\n"},
        {"nothing played", "a", "", false, folder, "msgbox \"棋譜保存\" \"保存するデータがありません\" OK -> OK\n"},
        {"slash", "../a", "", true, folder, "msgbox \"棋譜保存\" \"ﾌｧｲﾙ名に '/' や '\\\\' は使えません\" OK -> OK\n"},
        {"backslash", "b\\a", "", true, folder,
         "msgbox \"棋譜保存\" \"ﾌｧｲﾙ名に '/' や '\\\\' は使えません\" OK -> OK\n"},
        {"missing folder", "a", "", true, folder + "/gone",
         "msgbox \"棋譜保存\" \"棋譜ﾌｧｲﾙを書き込めませんでした\" OK -> OK\n"},
        {"folder is a file", "a", "", true, folder + "/plain",
         "msgbox \"棋譜保存\" \"棋譜ﾌｧｲﾙを書き込めませんでした\" OK -> OK\n"},
        {"title without Shift_JIS", "a", "😀", true, folder,
         "msgbox \"棋譜保存\" \"棋譜ﾌｧｲﾙを書き込めませんでした\" OK -> OK\n"},
    };
    writeBytes(folder + "/plain", "x");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        f.Dir1_Change(folder);
        f.START_Click();
        if (c.played) {
            clickCell(f, Form1::LEFT_BUTTON, 7, 7);
            clickCell(f, Form1::LEFT_BUTTON, 7, 6);
        }
        f.KIFU_WRITE_Click();
        f.filePanel.filePath = c.folder;
        f.setPanelText(FILE_NAME_BOX, c.name);
        f.setPanelText(TITLE_BOX, c.title);
        t.takeTrace();
        const std::string before = stateOf(f);
        f.Command1_Click();
        EXPECT_EQ(t.takeTrace(), c.message);
        EXPECT_EQ(stateOf(f), before);
        EXPECT_TRUE(f.filePanel.textVisible);
        EXPECT_EQ(f.filePanel.text[FILE_NAME_BOX], c.name);
        size_t files = 0;
        for ([[maybe_unused]] const auto& entry : fs::recursive_directory_iterator(folder)) ++files;
        EXPECT_EQ(files, 1u);  // only "plain"
    }
    fs::remove_all(folder);
}

// Clocks that outgrow the five columns are written as 99999; a line break
// typed into a name cannot split the file's lines.
TEST(RecordFile, WriterKeepsTheLayoutForLongClocksAndOddNames) {
    const std::string folder = recordtest::freshFolder("layout");
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.Dir1_Change(folder);
    f.setChecked(Menu::KEIKA, true);
    t.platform.clock = 100;
    f.START_Click();
    f.lowerTime = 99999.5;
    f.upperTime = 123456.7;
    t.platform.clock += 3.5;
    f.Timer1_Timer();
    clickCell(f, Form1::LEFT_BUTTON, 7, 7);
    clickCell(f, Form1::LEFT_BUTTON, 7, 6);
    f.KIFU_WRITE_Click();
    f.setPanelText(FILE_NAME_BOX, "long");
    f.setPanelText(TITLE_BOX, "a\r\nb");
    f.setPanelText(FIRST_PLAYER_BOX, "c\nd");
    f.setPanelText(SECOND_PLAYER_BOX, "e\rf");
    f.Command1_Click();
    EXPECT_EQ(readBytes(folder + "/long.棋譜"), "a  b\r\ne f\r\nc d\r\n 7776 -10 -10   099999999999999999999\r\n");
    TestForm u;
    u.form.Form_Load();
    u.form.Dir1_Change(folder);
    u.form.File1_Click("long.棋譜");
    EXPECT_EQ(u.form.recordLength, 1);
    u.form.AFTER_Click();
    EXPECT_EQ(u.form.lowerTime, 99999);
    EXPECT_EQ(u.form.upperTime, 99999);
    fs::remove_all(folder);
}

}  // namespace
