// The KIF text itself: what the writer puts on each line, which start it
// names and which it draws, how the game ends, and how the reader takes the
// lines, encodings, times and dates that programs write.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "files/ShiftJis.h"
#include "record/Handicaps.h"
#include "record/KifDateTime.h"
#include "record/KifMoveLine.h"
#include "record/KifReader.h"
#include "record/KifWords.h"
#include "record/KifWriter.h"
#include "tests/support/KifGames.h"

namespace {

using kif::Ending;
using kif::Format;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

std::string utf8Text(const kif::Game& game) { return *kif::writeKif(game, Format::Kifu); }

kif::Game read(const std::string& text, Format format = Format::Kifu) {
    const kif::ReadResult result = kif::readKif(text, format);
    if (const auto* error = std::get_if<kif::ReadError>(&result)) {
        ADD_FAILURE() << kif::messageOf(*error) << " in\n" << text;
        return {};
    }
    return std::get<kif::Game>(result);
}

// ７六歩 ３四歩 ２二角成 同銀 ４五角打, and the upper side resigns.
kif::Game knownGame() {
    kif::Game g;
    g.start = kif::evenStart();
    g.lowerPlayer = "山田";
    g.upperPlayer = "ｺﾝﾋﾟｭｰﾀ レベル2";
    g.startTime = kif::DateTime{2024, 5, 6, 10, 20, 30};
    g.otherFields = {{"表題", "練習"}};
    g.startComment = "序盤の研究";
    g.moves = {
        {3, 7, 3, 6, -10, -10, 0, 0, 12, 0, 0, ""},         {7, 3, 7, 4, 10, 10, 0, 12, 12, 0, 3, ""},
        {2, 8, 8, 2, -800, -801, 800, 12, 17, 3, 3, ""},    {7, 1, 8, 2, 100, 100, -801, 17, 17, 3, 133, "角交換"},
        {11, 8, 6, 5, -800, -800, 0, 17, 82, 133, 133, ""},
    };
    g.ending = Ending::Resigned;
    return g;
}

TEST(KifWriter, KnownGameLineByLine) {
    const std::vector<std::string> expected = {
        "#KIF version=2.0 encoding=UTF-8",
        "開始日時：2024/05/06 10:20:30",
        "表題：練習",
        "手合割：平手",
        "先手：山田",
        "後手：ｺﾝﾋﾟｭｰﾀ レベル2",
        "手数----指手---------消費時間--",
        "*序盤の研究",
        "   1 ７六歩(77)   ( 0:12/00:00:12)",
        "   2 ３四歩(33)   ( 0:03/00:00:03)",
        "   3 ２二角成(88) ( 0:05/00:00:17)",
        "   4 同　銀(31)   ( 2:10/00:02:13)",
        "*角交換",
        "   5 ４五角打     ( 1:05/00:01:22)",
        "   6 投了         ( 0:00/00:02:13)",
        "まで5手で先手の勝ち",
    };
    EXPECT_EQ(linesOf(utf8Text(knownGame())), expected);
    // The KIF file is the same text in code page 932, declared as such.
    std::vector<std::string> kif = expected;
    kif[0] = "#KIF version=2.0 encoding=Shift_JIS";
    std::string text;
    for (const std::string& line : kif) text += line + "\r\n";
    EXPECT_EQ(kif::writeKif(knownGame(), Format::Kif), sjis::fromUtf8(text));
}

TEST(KifWriter, ATextWithNoCodePage932FormCannotBeWrittenAsKif) {
    kif::Game game = knownGame();
    game.lowerPlayer = "😀";
    EXPECT_FALSE(kif::writeKif(game, Format::Kif));
    EXPECT_TRUE(kif::writeKif(game, Format::Kifu));
}

TEST(KifWriter, LineBreaksInHeaderValuesBecomeBlanks) {
    kif::Game game = knownGame();
    game.lowerPlayer = "山田\r\n太郎";
    EXPECT_EQ(linesOf(utf8Text(game))[4], "先手：山田  太郎");
}

// Every ending: its line after the last move, the closing line, and the
// winner read back from the file.
TEST(KifWriter, EndingsReadBack) {
    struct Case {
        Ending ending;
        const char* endLine;
        const char* closingLine;
    } const cases[] = {
        {Ending::Resigned, "   3 投了         ( 0:00/00:00:12)", "まで2手で後手の勝ち"},
        {Ending::Mated, "   3 詰み         ( 0:00/00:00:12)", "まで2手で詰み"},
        {Ending::Interrupted, "   3 中断         ( 0:00/00:00:12)", "まで2手で中断"},
        {Ending::Repetition, "   3 千日手       ( 0:00/00:00:12)", "まで2手で千日手"},
        {Ending::Impasse, "   3 持将棋       ( 0:00/00:00:12)", "まで2手で持将棋"},
        {Ending::TimeUp, "   3 切れ負け     ( 0:00/00:00:12)", "まで2手で時間切れにより後手の勝ち"},
        {Ending::FoulWin, "   3 反則勝ち     ( 0:00/00:00:12)", "まで2手で先手の反則勝ち"},
        {Ending::FoulLoss, "   3 反則負け     ( 0:00/00:00:12)", "まで2手で先手の反則負け"},
        {Ending::EnteringKing, "   3 入玉勝ち     ( 0:00/00:00:12)", "まで2手で先手の入玉勝ち"},
    };
    for (const Case& c : cases) {
        kif::Game game = knownGame();
        game.moves.resize(2);
        game.ending = c.ending;
        const std::vector<std::string> lines = linesOf(utf8Text(game));
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], c.endLine);
        EXPECT_EQ(lines.back(), c.closingLine);
        const kif::Game back = read(utf8Text(game));
        EXPECT_EQ(back.ending, c.ending) << c.endLine;
        EXPECT_EQ(kif::winner(back), kif::winner(game)) << c.endLine;
    }
    kif::Game unfinished = knownGame();
    unfinished.ending = Ending::None;
    EXPECT_EQ(linesOf(utf8Text(unfinished)).back(), "   5 ４五角打     ( 1:05/00:01:22)");
}

// A side that never moves in the record has its clock only on the end line,
// as the total of the side that resigns or stops.
TEST(KifWriter, AClockWithoutAMoveTravelsOnTheEndLine) {
    kif::Game game = knownGame();
    game.moves = {{3, 7, 3, 6, -10, -10, 0, 30, 42, 40, 40, ""}};
    const std::vector<std::string> lines = linesOf(utf8Text(game));
    EXPECT_EQ(lines[lines.size() - 2], "   2 投了         ( 0:00/00:00:40)");
    const kif::Move back = read(utf8Text(game)).moves[0];
    EXPECT_EQ(std::vector<long>({back.lowerTimeBefore, back.lowerTimeAfter, back.upperTimeBefore, back.upperTimeAfter}),
              (std::vector<long>{30, 42, 40, 40}));
}

// A king's capture is no move of standard shogi, and the move before it left
// the king en prise: the loser resigns instead of making it.
TEST(KifWriter, AKingsCaptureIsWrittenAsTheLosersResignation) {
    kif::Game game;
    game.start = kiftest::positionOf("4k4/9/9/9/4R4/9/9/9/4K4 b - 1");
    game.moves = {{5, 5, 6, 5, -900, -900, 0, 0, 4, 0, 0, ""},
                  {5, 1, 6, 1, 950, 950, 0, 4, 4, 0, 7, ""},
                  {6, 5, 6, 1, -900, -900, 950, 4, 9, 7, 7, ""}};
    std::vector<std::string> lines = linesOf(utf8Text(game));
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"   1 ４五飛(55)   ( 0:04/00:00:04)", "   2 投了         ( 0:00/00:00:00)",
                                        "まで1手で先手の勝ち"}));
    const kif::Game back = read(utf8Text(game));
    EXPECT_EQ(back.moves.size(), 1u);
    EXPECT_EQ(kif::winner(back), kif::Side::Lower);

    // A record that starts with the capture has no move to leave out: the
    // winner claims the foul.
    game.moves = {{5, 5, 5, 1, -900, -900, 950, 0, 2, 0, 0, ""}};
    lines = linesOf(utf8Text(game));
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"   1 反則勝ち     ( 0:00/00:00:00)", "まで0手で先手の反則勝ち"}));
    EXPECT_EQ(kif::winner(read(utf8Text(game))), kif::Side::Lower);
}

// The ladder's grades: the giver moving first from one every reader knows is
// named, anything else is drawn, and the players of a named handicap are 下手
// and 上手.
TEST(KifWriter, StartsByNameOrDiagram) {
    struct Case {
        int level;
        bool upperFirst;
        const char* header;  // the line naming the start, or the diagram's first line
        const char* lowerPlayer;
    } const cases[] = {
        {0, false, "手合割：平手", "先手："},       {0, true, "後手の持駒：なし", "先手："},
        {1, true, "手合割：角落ち", "下手："},      {1, false, "後手の持駒：なし", "先手："},
        {2, true, "手合割：二枚落ち", "下手："},    {3, true, "後手の持駒：なし", "先手："},
        {4, true, "手合割：四枚落ち", "下手："},    {5, true, "後手の持駒：なし", "先手："},
        {6, true, "手合割：六枚落ち", "下手："},    {7, true, "後手の持駒：なし", "先手："},
        {8, true, "手合割：八枚落ち", "下手："},    {9, true, "後手の持駒：なし", "先手："},
        {10, true, "手合割：十枚落ち", "下手："},   {-1, false, "後手の持駒：なし", "先手："},
        {-10, false, "後手の持駒：なし", "先手："},
    };
    for (const Case& c : cases) {
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        for (int i = 0; i < (c.level < 0 ? -c.level : c.level); ++i)
            c.level > 0 ? f.LBEL_UP_Click() : f.LEBEL_DOWN_Click();
        f.START_Click();
        if (c.upperFirst) f.turn = f.upperSide;
        kif::Game game;
        game.start = kiftest::positionOf(f);
        const std::vector<std::string> lines = linesOf(utf8Text(game));
        EXPECT_EQ(lines[1], c.header) << "level " << c.level;
        const auto has = [&lines](const std::string& line) {
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        };
        EXPECT_TRUE(has(c.lowerPlayer)) << "level " << c.level;
        EXPECT_EQ(has("後手番"), lines[1].starts_with("後手の持駒") && c.upperFirst) << "level " << c.level;
        EXPECT_EQ(kiftest::sfenOf(read(utf8Text(game)).start), kiftest::sfenOf(game.start)) << "level " << c.level;
    }
}

// Every 手合割 name, against its position written down independently; the
// writer names the ten every reader knows.
TEST(Handicaps, EveryStandardNameAndItsPosition) {
    struct Case {
        const char* name;
        const char* sfen;
        bool written;
    } const cases[] = {
        {"平手", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", true},
        {"香落ち", "lnsgkgsn1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"右香落ち", "1nsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"角落ち", "lnsgkgsnl/1r7/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"飛車落ち", "lnsgkgsnl/7b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"飛香落ち", "lnsgkgsn1/7b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"二枚落ち", "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"三枚落ち", "lnsgkgsn1/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", false},
        {"四枚落ち", "1nsgkgsn1/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"五枚落ち", "2sgkgsn1/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", false},
        {"左五枚落ち", "1nsgkgs2/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", false},
        {"六枚落ち", "2sgkgs2/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"左七枚落ち", "2sgkg3/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", false},
        {"右七枚落ち", "3gkgs2/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", false},
        {"八枚落ち", "3gkg3/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        {"十枚落ち", "4k4/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
    };
    for (const Case& c : cases) {
        const kif::Position expected = kiftest::positionOf(c.sfen);
        EXPECT_EQ(kif::startOfHandicap(c.name), expected) << c.name;
        EXPECT_EQ(read(std::string("手合割：") + c.name + "\r\n").start, expected) << c.name;
        EXPECT_EQ(kif::writableHandicapName(expected).has_value(), c.written) << c.name;
        if (c.written) {
            EXPECT_EQ(kif::writableHandicapName(expected), c.name);
        }
    }
    EXPECT_FALSE(kif::startOfHandicap("九枚落ち"));
}

TEST(KifMoveLine, WhatProgramsWrite) {
    struct Case {
        const char* line;
        int number, toFile, toRank, piece;
        bool same, promotes, drop;
        int fromFile, fromRank;
        long seconds, total;  // -1: no time, or no total
    } const cases[] = {
        {"   1 ７六歩(77)   ( 0:01/00:00:01)", 1, 7, 6, 10, false, false, false, 7, 7, 1, 1},
        {"1 ７六歩(77) (00:02/00:00:02)", 1, 7, 6, 10, false, false, false, 7, 7, 2, 2},
        {"   1 7六歩(77)", 1, 7, 6, 10, false, false, false, 7, 7, -1, -1},
        {"   1 ▲７六歩(77)   ( 0:01/00:00:01)", 1, 7, 6, 10, false, false, false, 7, 7, 1, 1},
        {"  12 同　銀(31)   ( 0:03/00:00:10)+", 12, 0, 0, 100, true, false, false, 3, 1, 3, 10},
        {"  12 同銀(31)", 12, 0, 0, 100, true, false, false, 3, 1, -1, -1},
        {"  12 同 銀(31)", 12, 0, 0, 100, true, false, false, 3, 1, -1, -1},
        {"   5 ４五角打     ( 1:05/00:01:22)", 5, 4, 5, 800, false, false, true, 0, 0, 65, 82},
        {"   3 ２二角成(88) ( 0:05/00:00:17)", 3, 2, 2, 800, false, true, false, 8, 8, 5, 17},
        {"   3 ２二角不成(88)", 3, 2, 2, 800, false, false, false, 8, 8, -1, -1},
        {"   7 ５八王(59)", 7, 5, 8, 950, false, false, false, 5, 9, -1, -1},
        {"   7 ５八竜(59)", 7, 5, 8, 901, false, false, false, 5, 9, -1, -1},
        {"   7 ５八龍(59)", 7, 5, 8, 901, false, false, false, 5, 9, -1, -1},
        {"   7 ５八成銀(59)", 7, 5, 8, 101, false, false, false, 5, 9, -1, -1},
        {"   7 ５八全(59)", 7, 5, 8, 101, false, false, false, 5, 9, -1, -1},
        {"   7 ５八杏(59)", 7, 5, 8, 21, false, false, false, 5, 9, -1, -1},
        {"   7 ５八圭(59)", 7, 5, 8, 31, false, false, false, 5, 9, -1, -1},
        {"   7 ５八と(59)", 7, 5, 8, 11, false, false, false, 5, 9, -1, -1},
        {"   9 ５五馬(11) ( 0:03/ 0:00:19)", 9, 5, 5, 801, false, false, false, 1, 1, 3, 19},
        {"   9 ５五馬(11) ( 1:00:05/01:00:05)", 9, 5, 5, 801, false, false, false, 1, 1, 3605, 3605},
        {"   9 ５五馬(11) ( 0:07/)", 9, 5, 5, 801, false, false, false, 1, 1, 7, -1},
        {"   9 ５五馬(11) ( x:07/00:00:07)", 9, 5, 5, 801, false, false, false, 1, 1, -1, -1},
        {"   9 ５五馬(11) (1:2/3)", 9, 5, 5, 801, false, false, false, 1, 1, -1, -1},
        {"   9 ５五馬(11) ( 0:75/00:01:15)", 9, 5, 5, 801, false, false, false, 1, 1, -1, -1},
    };
    for (const Case& c : cases) {
        const auto line = kif::parseMoveLine(c.line);
        ASSERT_TRUE(line && line->move) << c.line;
        const kif::NotatedMove& m = *line->move;
        EXPECT_EQ(line->number, c.number) << c.line;
        EXPECT_EQ(m.sameSquare, c.same) << c.line;
        if (!c.same) {
            EXPECT_EQ(m.toFile * 10 + m.toRank, c.toFile * 10 + c.toRank) << c.line;
        }
        EXPECT_EQ(m.pieceCode, c.piece) << c.line;
        EXPECT_EQ(m.promotes, c.promotes) << c.line;
        EXPECT_EQ(m.drop, c.drop) << c.line;
        if (!c.drop) {
            EXPECT_EQ(m.fromFile * 10 + m.fromRank, c.fromFile * 10 + c.fromRank) << c.line;
        }
        EXPECT_EQ(line->time ? line->time->seconds : -1, c.seconds) << c.line;
        EXPECT_EQ(line->time && line->time->total ? *line->time->total : -1, c.total) << c.line;
    }
}

TEST(KifMoveLine, EndWordsAndLinesThatAreNoMoves) {
    struct Case {
        const char* line;
        std::optional<Ending> ending;  // nothing: the line cannot be read
    } const cases[] = {
        {"  10 投了         ( 0:03/00:00:32)", Ending::Resigned},
        {"  10 詰み", Ending::Mated},
        {"  10 詰", Ending::Mated},
        {"  10 封じ手", Ending::Interrupted},
        {"  10 入玉勝ち", Ending::EnteringKing},
        {"   1 ７六歩", std::nullopt},
        {"   1 ７歩(77)", std::nullopt},
        {"   1 ７六(77)", std::nullopt},
        {"   1 ７六歩(7)", std::nullopt},
        {"   1 ４五角成打", std::nullopt},
        {"   1 まった", std::nullopt},
        {"   1", std::nullopt},
        {"１ ７六歩(77)", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto line = kif::parseMoveLine(c.line);
        EXPECT_EQ(line.has_value(), c.ending.has_value()) << c.line;
        if (line && c.ending) {
            EXPECT_EQ(line->ending, c.ending) << c.line;
        }
    }
}

TEST(KifEncoding, FormatsByExtension) {
    EXPECT_EQ(kif::formatOfFileName("a.kif"), Format::Kif);
    EXPECT_EQ(kif::formatOfFileName("A.KIF"), Format::Kif);
    EXPECT_EQ(kif::formatOfFileName("対局.Kifu"), Format::Kifu);
    EXPECT_FALSE(kif::formatOfFileName("a.棋譜"));
    EXPECT_FALSE(kif::formatOfFileName("kif"));
    EXPECT_FALSE(kif::formatOfFileName("a.kifu.txt"));
}

TEST(KifEncoding, EncodingByExtensionMarkAndDeclaration) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string utf8 = "先手：あ";
    const std::string cp932 = *sjis::fromUtf8(utf8);
    struct Case {
        const char* what;
        std::string bytes;
        Format format;
        int unreadableLine;  // 0: read as "先手：あ" on the line below
        size_t line;
    } const cases[] = {
        {"KIFU", "#\r\n" + utf8 + "\r\n", Format::Kifu, 0, 1},
        {"KIFU with a mark", bom + utf8 + "\n", Format::Kifu, 0, 0},
        {"KIF", cp932 + "\r\n", Format::Kif, 0, 0},
        {"KIF in UTF-8 with a mark", bom + utf8 + "\r\n", Format::Kif, 0, 0},
        {"KIF declared UTF-8", "#KIF version=2.0 encoding=UTF-8\r\n" + utf8, Format::Kif, 0, 1},
        {"KIF in UTF-8 unmarked", "#\r" + utf8 + "\r", Format::Kif, 2, 0},
        {"KIFU not UTF-8", "#\n#\n" + cp932 + "\n", Format::Kifu, 3, 0},
        {"a mark on bytes that are no UTF-8", bom + cp932, Format::Kif, 1, 0},
    };
    for (const Case& c : cases) {
        const kif::DecodedLines decoded = kif::decodeLines(c.bytes, c.format);
        EXPECT_EQ(decoded.unreadableLine, c.unreadableLine) << c.what;
        if (c.unreadableLine == 0) {
            ASSERT_GT(decoded.lines.size(), c.line) << c.what;
            EXPECT_EQ(decoded.lines[c.line], utf8) << c.what;
        }
    }
}

TEST(KifWords, CountsInHandReadBackAsWritten) {
    EXPECT_EQ(kif::countNumeral(1), "");
    EXPECT_EQ(kif::countNumeral(2), "二");
    EXPECT_EQ(kif::countNumeral(10), "十");
    EXPECT_EQ(kif::countNumeral(18), "十八");
    for (int count = 2; count <= 18; ++count) {
        const std::string text = kif::countNumeral(count) + "歩";
        std::string_view rest = text;
        EXPECT_EQ(kif::takeCountNumeral(rest), count);
        EXPECT_EQ(rest, "歩") << count;
    }
}

TEST(KifDateTime, WhatProgramsWrite) {
    struct Case {
        const char* text;
        std::optional<kif::DateTime> time;
    } const cases[] = {
        {"2024/05/06 10:20:30", kif::DateTime{2024, 5, 6, 10, 20, 30}},
        {"1999/07/15(木) 19:07:12", kif::DateTime{1999, 7, 15, 19, 7, 12}},
        {"2023/01/01 00:00", kif::DateTime{2023, 1, 1, 0, 0, 0}},
        {"2020/07/09", kif::DateTime{2020, 7, 9, 0, 0, 0}},
        {"2024/13/01", std::nullopt},
        {"2024/05/06 25:00", std::nullopt},
        {"2024-05-06", std::nullopt},
        {"昨日", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(kif::parseDateTime(c.text), c.time) << c.text;
    EXPECT_EQ(kif::formatDateTime({2024, 5, 6, 7, 8, 9}), "2024/05/06 07:08:09");
}

}  // namespace
