// KIF and KIFU in the file panel: what RETURN writes and refuses, what a click
// in the file list reads, and what happens to a record that starts where its
// file starts when it is stepped, reset, continued and saved again. (Files
// refused through the panel: the KIF fuzz test and the kif_bad_files scenario.)

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "files/ShiftJis.h"
#include "record/KifReader.h"
#include "tests/support/GameSnapshot.h"
#include "tests/support/KifGames.h"
#include "tests/support/RecordGames.h"

namespace {

namespace fs = std::filesystem;
using recordtest::readBytes;
using recordtest::writeBytes;

constexpr const char* INITIAL_BOARD = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL";

// The form's board, side and hands, without the move number.
std::string position(const Form1& f) {
    const std::string text = sfen::of(f);
    return text.substr(0, text.rfind(' '));
}

std::string boardOf(const Form1& f) { return position(f).substr(0, position(f).find(' ')); }

// The positions a KIF file replays to under the standard rules, its start first.
std::vector<std::string> positionsOfFile(const std::string& bytes, kif::Format format) {
    const kif::ReadResult result = kif::readKif(bytes, format);
    if (const auto* error = std::get_if<kif::ReadError>(&result)) {
        ADD_FAILURE() << kif::messageOf(*error);
        return {};
    }
    std::vector<std::string> positions;
    for (const kif::Position& p : kiftest::replay(std::get<kif::Game>(result))) positions.push_back(kiftest::sfenOf(p));
    return positions;
}

// Steps a loaded record from where it stands to its end: the positions shown.
std::vector<std::string> stepToTheEnd(Form1& f) {
    std::vector<std::string> positions{position(f)};
    while (f.recordIndex < f.recordLength) {
        f.AFTER_Click();
        positions.push_back(position(f));
    }
    return positions;
}

// The lower rook can take the upper king at once.
constexpr const char* KING_EN_PRISE =
    "後手の持駒：なし\n"
    "+---------------------------+\n"
    "| ・ ・ ・ ・v玉 ・ ・ ・ ・|一\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
    "| ・ ・ ・ ・ 飛 ・ ・ ・ ・|五\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|八\n"
    "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|九\n"
    "+---------------------------+\n"
    "先手の持駒：なし\n";

// Every file of the corpus, read through the panel and stepped through, shows
// the positions the standard replay of the file goes through; 最初 returns to
// the file's start, and the side that moves first there has the first turn.
TEST(KifPanel, CorpusFilesStepThroughTheirPositions) {
    for (const auto& entry : fs::directory_iterator(KIF_CORPUS_DIR)) {
        const std::string name = entry.path().filename().string();
        if (!kif::formatOfFileName(name)) continue;
        SCOPED_TRACE(name);
        const std::vector<std::string> expected =
            positionsOfFile(readBytes(entry.path().string()), *kif::formatOfFileName(name));
        ASSERT_GE(expected.size(), 2u);
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        EXPECT_EQ(recordtest::readThroughPanel(t, KIF_CORPUS_DIR, name), recordtest::LOADED_MESSAGES);
        EXPECT_EQ(f.kifuMode, Form1::ON);
        EXPECT_EQ(f.gameMode, Form1::MODE_HUMAN);
        EXPECT_EQ(f.turn, f.SENTE);
        EXPECT_EQ(f.SENTE, expected.front().find(" w ") != std::string::npos ? f.upperSide : f.lowerSide);
        EXPECT_EQ(stepToTheEnd(f), expected);
        f.CANCEL_Click();
        EXPECT_EQ(boardOf(f), expected.front().substr(0, expected.front().find(' ')));
        EXPECT_EQ(f.recordLength, static_cast<int>(expected.size()) - 1);
    }
}

// The panel opens for every record; at RETURN the own format refuses what it
// cannot hold, with the panel left open and nothing written, while a KIF name
// writes any record.
TEST(KifPanel, OwnFormatRefusesAtReturnWhatOnlyKifHolds) {
    const std::string folder = recordtest::freshFolder("kif-refusals");
    writeBytes(folder + "/lance.kif", readBytes(std::string(KIF_CORPUS_DIR) + "/handicap_lance.kif"));
    writeBytes(folder + "/even.kif", readBytes(std::string(KIF_CORPUS_DIR) + "/kakinoki_even.kif"));
    using Preparation = void (*)(TestForm&);
    const struct Case {
        const char* what;
        Preparation prepare;
        const char* refusal;  // of the own format; nullptr when it writes
    } cases[] = {
        {"turned board",
         [](TestForm& t) {
             t.form.START_Click();
             t.form.REVERSE_Click();
         },
         "反転後は書き込みできません"},
        {"handicap",
         [](TestForm& t) {
             t.form.LEBEL_DOWN_Click();
             t.form.START_Click();
         },
         "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
        {"handicap taken back",
         [](TestForm& t) {
             t.form.LBEL_UP_Click();
             t.form.LEBEL_DOWN_Click();
             t.form.START_Click();
         },
         "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
        {"a file's handicap start",
         [](TestForm& t) { recordtest::readThroughPanel(t, t.form.filePanel.filePath, "lance.kif"); },
         "この棋譜は .kif か .kifu で書き込んで下さい"},
        {"a file's even start",
         [](TestForm& t) { recordtest::readThroughPanel(t, t.form.filePanel.filePath, "even.kif"); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"own", "k.kif", "K.KIFU"}) {
            TestForm t;
            Form1& f = t.form;
            f.Form_Load();
            f.Dir1_Change(folder);
            c.prepare(t);
            std::mt19937_64 random(1);
            if (f.kifuMode == Form1::ON) {
                f.AFTER_Click();
                f.AFTER_Click();
            } else {
                recordtest::playMoves(t, random, 2, false);
            }
            t.takeTrace();
            f.KIFU_WRITE_Click();
            EXPECT_TRUE(f.filePanel.textVisible) << "the panel opens";
            const bool refused = name == std::string("own") && c.refusal;
            const GameSnapshot before(f);
            EXPECT_EQ(recordtest::saveThroughPanel(t, folder, name),
                      refused ? "msgbox \"棋譜書込\" \"" + std::string(c.refusal) + "\" OK -> OK\n"
                              : recordtest::WRITTEN_MESSAGE);
            EXPECT_TRUE(GameSnapshot(f) == before);
            EXPECT_EQ(f.filePanel.textVisible, refused);
            const std::string written = folder + "/" + name + (kif::formatOfFileName(name) ? "" : ".棋譜");
            EXPECT_EQ(fs::exists(written), !refused) << written;
            fs::remove(written);
        }
    }
}

// What the header says: the date and time the record's game began, the
// panel's title and names on the sides they belong to (the first player's
// box names the side that moved first), and the computer by its level.
TEST(KifPanel, HeaderFromThePanelAndTheClock) {
    const std::string folder = recordtest::freshFolder("kif-header");
    const struct Case {
        const char* what;
        void (Form1::*opening)();
        recordtest::PanelNames names;
        bool dated;
        std::vector<std::string> lines;  // in this order, among the file's
    } cases[] = {
        {"two people",
         &Form1::START_Click,
         {"第1局", "先の人", "後の人"},
         true,
         {"開始日時：2026/12/08 09:30:05", "表題：第1局", "手合割：平手", "先手：先の人", "後手：後の人"}},
        {"against the computer, no names",
         &Form1::SENTE_Click,
         {},
         false,
         {"手合割：平手", "先手：", "後手：COM レベル2"}},
        {"the computer first",
         &Form1::GOTE_Click,
         {"", "先の人", ""},
         false,
         {"後手番", "先手：", "後手：先の人", "   1 ", "   2 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        f.LEVEL2_Click();
        if (c.dated) t.platform.dateTime = DateTime{2026, 12, 8, 9, 30, 5};
        (f.*c.opening)();
        std::mt19937_64 random(7);
        const bool againstComputer = f.gameMode == Form1::MODE_COM;
        if (f.recordIndex == 0) recordtest::playMoves(t, random, 1, againstComputer);
        // The game began with its first move: a clock read later changes nothing.
        t.platform.dateTime = DateTime{2027, 1, 1, 0, 0, 0};
        recordtest::playMoves(t, random, 2, againstComputer);
        ASSERT_EQ(recordtest::saveThroughPanel(t, folder, "h.kifu", c.names), recordtest::WRITTEN_MESSAGE);
        const std::string text = readBytes(folder + "/h.kifu");
        EXPECT_EQ(text.find("開始日時") != std::string::npos, c.dated) << text;
        size_t at = 0;
        for (const std::string& line : c.lines) {
            at = text.find("\r\n" + line, at);
            ASSERT_NE(at, std::string::npos) << line << " in\n" << text;
        }
    }
}

// A record read from a KIF keeps its start: stepping back and 最初 return to
// it, play continued from a shown position is saved after the file's moves,
// and a board turned afterwards starts a record of its own.
TEST(KifPanel, ALoadedStartStaysWithTheRecord) {
    const std::string folder = recordtest::freshFolder("kif-start");
    const std::string lanceFile = std::string(KIF_CORPUS_DIR) + "/handicap_lance.kif";
    const std::vector<std::string> filePositions = positionsOfFile(readBytes(lanceFile), kif::Format::Kif);
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    ASSERT_EQ(recordtest::readThroughPanel(t, KIF_CORPUS_DIR, "handicap_lance.kif"), recordtest::LOADED_MESSAGES);
    for (int n = 0; n < 4; ++n) f.AFTER_Click();
    while (f.recordIndex > 0) f.REPLAY_Click();
    EXPECT_EQ(position(f), filePositions[0]);
    f.CANCEL_Click();
    EXPECT_EQ(boardOf(f), filePositions[0].substr(0, filePositions[0].find(' ')));
    // A board click in record mode, answered No, leaves record mode at the start too.
    ASSERT_EQ(recordtest::readThroughPanel(t, KIF_CORPUS_DIR, "handicap_lance.kif"), recordtest::LOADED_MESSAGES);
    f.AFTER_Click();
    t.platform.answers = {BoxAnswer::No};
    clickCell(f, Form1::LEFT_BUTTON, 5, 5);
    EXPECT_EQ(f.kifuMode, Form1::OFF);
    EXPECT_EQ(boardOf(f), filePositions[0].substr(0, filePositions[0].find(' ')));

    // Continued against the computer from move 4: the upper side is to move there.
    ASSERT_EQ(recordtest::readThroughPanel(t, KIF_CORPUS_DIR, "handicap_lance.kif"), recordtest::LOADED_MESSAGES);
    for (int n = 0; n < 4; ++n) f.AFTER_Click();
    f.SENTE_Click();
    ASSERT_EQ(f.recordIndex, 5) << t.takeTrace();
    std::mt19937_64 random(11);
    recordtest::playMoves(t, random, 2, true);
    const int length = f.recordIndex;
    std::vector<std::string> played;
    while (f.recordIndex > 0) f.REPLAY_Click();
    played = stepToTheEnd(f);
    EXPECT_EQ(std::vector<std::string>(played.begin(), played.begin() + 5),
              std::vector<std::string>(filePositions.begin(), filePositions.begin() + 5));
    EXPECT_EQ(recordtest::saveThroughPanel(t, folder, "own"),
              "msgbox \"棋譜書込\" \"この棋譜は .kif か .kifu で書き込んで下さい\" OK -> OK\n");
    ASSERT_EQ(recordtest::saveThroughPanel(t, folder, "continued.kif"), recordtest::WRITTEN_MESSAGE);
    EXPECT_NE(sjis::toUtf8(readBytes(folder + "/continued.kif")).value_or("").find("\r\n手合割：香落ち\r\n"),
              std::string::npos);
    {
        TestForm u;
        u.form.Form_Load();
        ASSERT_EQ(recordtest::readThroughPanel(u, folder, "continued.kif"), recordtest::LOADED_MESSAGES);
        EXPECT_EQ(stepToTheEnd(u.form), played);
        EXPECT_EQ(u.form.recordLength, length);
    }

    // Turned round, the board starts a record of its own; two people go on.
    f.REVERSE_Click();
    const std::string turned = position(f);
    f.START_Click();
    recordtest::playMoves(t, random, 2, false);
    ASSERT_EQ(recordtest::saveThroughPanel(t, folder, "turned.kifu"), recordtest::WRITTEN_MESSAGE);
    TestForm u;
    u.form.Form_Load();
    ASSERT_EQ(recordtest::readThroughPanel(u, folder, "turned.kifu"), recordtest::LOADED_MESSAGES);
    EXPECT_EQ(position(u.form), turned);
    EXPECT_EQ(u.form.recordLength, f.recordIndex);
}

// Yes to "続けますか？" begins a new game at the initial position: a record
// that began anywhere else is dropped with its start.
TEST(KifPanel, ANewGameBeginsAtTheInitialPosition) {
    const std::string folder = recordtest::freshFolder("kif-new-game");
    writeBytes(folder + "/prise.kifu", std::string(KING_EN_PRISE) + "   1 ５三飛(55)\n   2 ５二玉(51)\n");
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    ASSERT_EQ(recordtest::readThroughPanel(t, folder, "prise.kifu"), recordtest::LOADED_MESSAGES);
    f.AFTER_Click();
    f.AFTER_Click();
    t.takeTrace();
    f.SENTE_Click();
    clickCell(f, Form1::LEFT_BUTTON, 5, 3);
    clickCell(f, Form1::LEFT_BUTTON, 5, 2);
    EXPECT_EQ(t.takeTrace(),
              "msgbox \"対局\" \"MANの番です\" OK -> OK\n"
              "sound play 駒打音.wav\n"
              "msgbox \"終了\" \"あなたの勝ちです\" OK -> OK\n"
              "msgbox \"再ゲーム\" \"続けますか？\" YESNO -> YES\n");
    EXPECT_EQ(boardOf(f), INITIAL_BOARD);
    EXPECT_EQ(f.recordLength, 0);
    EXPECT_TRUE(f.recordStartsEven());
    EXPECT_FALSE(f.recordStartTime);
}

// The title and both players are drawn where the game's own files put them:
// the upper side's player above the board, the lower side's and the title
// below it.
TEST(KifPanel, TitleAndPlayersDrawnAroundTheBoard) {
    const std::string folder = recordtest::freshFolder("kif-draw");
    writeBytes(folder + "/a.kifu", "表題：名人戦\n先手：ｱｲｳ\n後手：上の人\n   1 ７六歩(77)\n");
    TestForm t;
    t.form.Form_Load();
    t.platform.traceDraw = true;
    const std::string trace = recordtest::readThroughPanel(t, folder, "a.kifu");
    // x = 1050 + (3 + (13 - characters) / 5) * 495; the title 3000 twips further left.
    EXPECT_NE(trace.find("draw text \"名人戦\" 525 6350 12 12\n"
                         "draw text \"上の人\" 3525 100 12 15\n"
                         "draw text \"ｱｲｳ\" 3525 6350 12 15\n"),
              std::string::npos)
        << trace;
}

// The file list holds the three kinds of record, the extension in any case.
TEST(KifPanel, FileListShowsEveryKindOfRecord) {
    const std::string folder = recordtest::freshFolder("kif-list");
    fs::create_directory(folder + "/folder.kif");
    for (const char* name : {"a.kif", "B.KIF", "c.kifu", "D.Kifu", "e.棋譜", "f.kif.bak", "g.kifux", "h.txt", "kif"})
        writeBytes(folder + "/" + name, "");
    TestForm t;
    t.form.Form_Load();
    t.form.Dir1_Change(folder);
    EXPECT_EQ(t.form.filePanel.files(), (std::vector<std::string>{"B.KIF", "D.Kifu", "a.kif", "c.kifu", "e.棋譜"}));
}

// A record named on the command line opens as if chosen in the read panel:
// the panel's lists move to its folder; a file that cannot be read changes
// nothing else.
TEST(KifPanel, OpeningAFileByItsPath) {
    const std::string folder = recordtest::freshFolder("kif-open");
    fs::create_directory(folder + "/games");
    writeBytes(folder + "/games/even.kif", readBytes(std::string(KIF_CORPUS_DIR) + "/kakinoki_even.kif"));
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    const struct Case {
        const char* what;
        std::string path;
        std::string trace;
    } cases[] = {
        {"relative", "games/even.kif", recordtest::LOADED_MESSAGES},
        {"absolute", folder + "/games/even.kif", recordtest::LOADED_MESSAGES},
        {"through a dot-dot", "games/../games/even.kif", recordtest::LOADED_MESSAGES},
        {"missing", "games/none.kif", "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙを開けません\" OK -> OK\n"},
        {"a folder", "games/", "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙを開けません\" OK -> OK\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestForm t;
        t.form.Form_Load();
        t.takeTrace();
        const GameSnapshot before(t.form);
        t.form.openRecordFile(c.path);
        EXPECT_EQ(t.takeTrace(), c.trace);
        EXPECT_EQ(t.form.filePanel.filePath, folder + "/games");
        EXPECT_EQ(t.form.filePanel.dirPath, folder + "/games");
        EXPECT_EQ(t.form.recordLength, c.trace == recordtest::LOADED_MESSAGES ? 9 : 0);
        if (c.trace != recordtest::LOADED_MESSAGES) {
            EXPECT_TRUE(GameSnapshot(t.form) == before);
        }
    }
    fs::current_path(previous);
}

}  // namespace
