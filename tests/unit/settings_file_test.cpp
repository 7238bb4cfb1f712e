// The settings file: what a first start writes, what each line sets, and the
// way back to the defaults when the file is short, unreadable or unwritable.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/ShiftJis.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestForm.h"

namespace {

std::string fileBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeSettings(const std::string& utf8) {
    std::ofstream(Form1::SETTINGS_FILE, std::ios::binary) << *sjis::fromUtf8(utf8);
}

std::string sjisText(const std::string& utf8) { return *sjis::fromUtf8(utf8); }

const std::string DEFAULT_FILE = "背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n";

struct Marks {
    bool midori, tatami, take, uchu, renga, sidou, keika, bgm;
};

Marks marks(const Form1& f) {
    return {f.isChecked(Menu::MIDORI), f.isChecked(Menu::TATAMI), f.isChecked(Menu::TAKE),  f.isChecked(Menu::UCHU),
            f.isChecked(Menu::RENGA),  f.isChecked(Menu::SIDOU),  f.isChecked(Menu::KEIKA), f.isChecked(Menu::BGM)};
}

TEST(SettingsFile, FirstStartWritesTheDefaultsAndKeepsTheMusicQuiet) {
    TempFolder folder;
    TestForm t;
    t.form.Form_Load();
    EXPECT_EQ(fileBytes(Form1::SETTINGS_FILE), sjisText(DEFAULT_FILE));
    const Marks m = marks(t.form);
    EXPECT_TRUE(m.midori && m.keika && m.bgm);
    EXPECT_FALSE(m.sidou || m.tatami);
    EXPECT_EQ(t.form.backgroundKind, Form1::BG_MIDORI);
    EXPECT_EQ(t.takeTrace().find("sound loop"), std::string::npos);
}

struct ReadCase {
    const char* what;
    const char* file;
    int background;
    bool midoriMark, uchuMark, sidouMark, keikaMark, bgmMark;
    int guideOn, guideColor;
    bool musicStarted, rewritten;
};

TEST(SettingsFile, ReadingEachLine) {
    const ReadCase cases[] = {
        {"all four lines", "背景画=宇宙\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=ON\r\n", Form1::BG_UCHU, false, true,
         true, false, true, 1, 15, true, false},
        {"LF line ends are read too", "背景画=宇宙\n移動指導=OFF\n経過時間=ON\nBGM=OFF\n", Form1::BG_UCHU, false, true,
         false, true, false, 0, 2, false, false},
        {"unknown background keeps the start-up kind, no mark",
         "背景画=桜\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=OFF\r\n", Form1::BG_MIDORI, false, false, true, true, false, 1,
         15, false, false},
        {"only two lines: defaults, but guidance stays on", "背景画=宇宙\r\n移動指導=ON\r\n", Form1::BG_MIDORI, true,
         false, false, true, true, 1, 15, false, true},
        {"empty file", "", Form1::BG_MIDORI, true, false, false, true, true, 0, 2, false, true},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        writeSettings(c.file);
        TestForm t;
        t.form.Form_Load();
        const Marks m = marks(t.form);
        EXPECT_EQ(t.form.backgroundKind, c.background);
        EXPECT_EQ(m.midori, c.midoriMark);
        EXPECT_EQ(m.uchu, c.uchuMark);
        EXPECT_EQ(m.sidou, c.sidouMark);
        EXPECT_EQ(m.keika, c.keikaMark);
        EXPECT_EQ(m.bgm, c.bgmMark);
        EXPECT_EQ(t.form.guideOn, c.guideOn);
        EXPECT_EQ(t.form.guideColor, c.guideColor);
        EXPECT_EQ(t.takeTrace().find("sound loop BGM.wav") != std::string::npos, c.musicStarted);
        if (c.rewritten) {
            EXPECT_EQ(fileBytes(Form1::SETTINGS_FILE), sjisText(DEFAULT_FILE));
        }
    }
}

TEST(SettingsFile, EveryOptionChangeRewritesTheFile) {
    TempFolder folder;
    TestForm t;
    t.form.Form_Load();
    t.form.TAKE_Click();
    EXPECT_EQ(fileBytes(Form1::SETTINGS_FILE), sjisText("背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n"));
    t.form.SIDOU_Click();
    t.form.KEIKA_Click();
    t.form.BGM_Click();
    EXPECT_EQ(fileBytes(Form1::SETTINGS_FILE), sjisText("背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n"));
    EXPECT_EQ(t.form.guideColor, t.form.textColor);
    // Choosing the checked background again only rewrites and redraws.
    t.takeTrace();
    t.form.TAKE_Click();
    EXPECT_TRUE(t.form.isChecked(Menu::TAKE));
    EXPECT_EQ(t.form.backgroundKind, Form1::BG_TAKE);
}

// A settings file that cannot be written never leaves the menu contradicting
// the game: the marks go on showing the options in force.
// The keeping of games is on unless a fifth line turns it off: the files of
// four lines every earlier version wrote keep it on, and with it on the file
// stays exactly those four lines.
TEST(SettingsFile, AFifthLineOnlyTurnsTheKeepingOfGamesOff) {
    const struct {
        const char* file;
        bool keeping;
    } cases[] = {
        {"背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n", true},
        {"背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n対局保存=OFF\r\n", false},
        {"背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n何か=ON\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        TempFolder folder;
        writeSettings(c.file);
        TestForm t;
        t.form.Form_Load();
        EXPECT_EQ(t.form.isChecked(Menu::HOZON), c.keeping);
        t.form.BGM_Click();
        t.form.BGM_Click();  // rewritten: as it was, the fifth line only when keeping is off
        EXPECT_EQ(fileBytes(Form1::SETTINGS_FILE),
                  sjisText(std::string("背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n") +
                           (c.keeping ? "" : "対局保存=OFF\r\n")));
    }
}

TEST(SettingsFile, AnUnwritableFileKeepsTheMarksOfTheOptionsInForce) {
    TempFolder folder;
    TestForm t;
    t.form.Form_Load();
    std::filesystem::remove(Form1::SETTINGS_FILE);
    std::filesystem::create_directory(Form1::SETTINGS_FILE);  // cannot be written as a file, even by root
    t.form.UCHU_Click();
    EXPECT_EQ(t.form.backgroundKind, Form1::BG_UCHU);
    EXPECT_FALSE(t.form.isChecked(Menu::MIDORI));
    EXPECT_TRUE(t.form.isChecked(Menu::UCHU));
    t.form.SIDOU_Click();
    EXPECT_EQ(t.form.guideOn, Form1::ON);
    EXPECT_TRUE(t.form.isChecked(Menu::SIDOU));
    t.form.BGM_Click();
    EXPECT_FALSE(t.form.isChecked(Menu::BGM));
    EXPECT_TRUE(std::filesystem::is_directory(Form1::SETTINGS_FILE));
}

TEST(Options, GuidanceOffRestoresEveryOutline) {
    TempFolder folder;
    TestForm t;
    t.form.Form_Load();
    t.form.SIDOU_Click();
    t.takeTrace();
    t.platform.traceDraw = true;
    t.form.SIDOU_Click();
    const std::string trace = t.takeTrace();
    size_t outlines = 0;
    for (size_t at = trace.find("draw rect 2 "); at != std::string::npos; at = trace.find("draw rect 2 ", at + 1))
        ++outlines;
    EXPECT_EQ(outlines, 81u + 14u);
    EXPECT_EQ(t.form.guideColor, t.form.gridColor);
}

}  // namespace

namespace {

TEST(SettingsFile, AFolderInPlaceOfTheFileGivesTheDefaults) {
    TempFolder folder;
    std::filesystem::create_directory(Form1::SETTINGS_FILE);
    TestForm t;
    t.form.Form_Load();
    EXPECT_EQ(t.form.backgroundKind, Form1::BG_MIDORI);
    EXPECT_TRUE(t.form.isChecked(Menu::KEIKA));
}

}  // namespace
