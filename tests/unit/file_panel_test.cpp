// The file panel inside the window: its read and write modes, what hides it,
// and the drive and folder lists.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "system/MountedDrives.h"
#include "tests/support/RecordGames.h"
#include "tests/support/TestForm.h"

namespace {

namespace fs = std::filesystem;

std::string shown(const FilePanel& p) {
    return std::string("Drive1=") + (p.drive1Visible ? "1" : "0") + " Dir1=" + (p.dir1Visible ? "1" : "0") +
           " File1=" + (p.file1Visible ? "1" : "0") + " Text=" + (p.textVisible ? "1" : "0");
}

void typeNames(Form1& f) {
    for (int box = 1; box <= 4; ++box) f.setPanelText(box, "名前" + std::to_string(box));
}

// Which controls each command shows, and that hiding the boxes empties them.
TEST(FilePanel, ModesAndWhatHidesThem) {
    const std::string hidden = "Drive1=0 Dir1=0 File1=0 Text=0";
    const struct Case {
        const char* what;
        void (Form1::*open)();
        void (Form1::*then)();
        std::string panel;
    } cases[] = {
        {"read mode", &Form1::KIFU_READ_Click, nullptr, "Drive1=1 Dir1=1 File1=1 Text=0"},
        {"write mode", &Form1::KIFU_WRITE_Click, nullptr, "Drive1=1 Dir1=1 File1=0 Text=1"},
        {"write then read", &Form1::KIFU_WRITE_Click, &Form1::KIFU_READ_Click, "Drive1=1 Dir1=1 File1=1 Text=0"},
        {"read then write", &Form1::KIFU_READ_Click, &Form1::KIFU_WRITE_Click, "Drive1=1 Dir1=1 File1=0 Text=1"},
        {"対局 menu", &Form1::KIFU_WRITE_Click, &Form1::TAIKYOKU_Click, hidden},
        {"局面 menu", &Form1::KIFU_WRITE_Click, &Form1::STOP_Click, hidden},
        {"ｵﾌﾟｼｮﾝ menu", &Form1::KIFU_WRITE_Click, &Form1::OPTION_Click, hidden},
        {"その他 menu", &Form1::KIFU_WRITE_Click, &Form1::VER_Click, hidden},
        {"進", &Form1::KIFU_WRITE_Click, &Form1::AFTER_Click, hidden},
        {"戻", &Form1::KIFU_READ_Click, &Form1::REPLAY_Click, hidden},
        {"a click on the board", &Form1::KIFU_WRITE_Click, nullptr, hidden},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        EXPECT_EQ(shown(f.filePanel), hidden);
        (f.*c.open)();
        if (f.filePanel.textVisible) typeNames(f);
        if (c.then) (f.*c.then)();
        if (c.panel == hidden && !c.then) clickCell(f, Form1::LEFT_BUTTON, 5, 5);
        EXPECT_EQ(shown(f.filePanel), c.panel);
        // What was typed stays while the boxes are shown and is gone once they are hidden.
        for (int box = 1; box <= 4; ++box)
            EXPECT_EQ(f.filePanel.text[box], f.filePanel.textVisible && c.open == &Form1::KIFU_WRITE_Click
                                                 ? "名前" + std::to_string(box)
                                                 : "");
    }
}

// Opened again after being hidden, the write panel shows empty boxes.
TEST(FilePanel, WriteModeStartsEmptyAfterBeingHidden) {
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.KIFU_WRITE_Click();
    typeNames(f);
    f.STOP_Click();
    f.KIFU_WRITE_Click();
    for (int box = 1; box <= 4; ++box) EXPECT_EQ(f.filePanel.text[box], "");
    EXPECT_TRUE(f.filePanel.textVisible);
}

// A drive that is not there: the message, the drive list keeps the choice and
// the folder and file lists keep their folder. A drive that is there: both
// lists move to it. A folder that is not there changes nothing.
TEST(FilePanel, DriveAndFolderChanges) {
    const std::string folder = recordtest::freshFolder("panel");
    const struct Case {
        const char* what;
        bool drive;  // Drive1 or Dir1
        std::string path;
        std::string trace;
        bool moves;  // the lists follow
    } cases[] = {
        {"missing drive", true, folder + "/no-such-device", "msgbox \"ｴﾗｰ\" \"ﾃﾞﾊﾞｲｽが準備できていません\" OK -> OK\n",
         false},
        {"a file as drive", true, folder + "/plain", "msgbox \"ｴﾗｰ\" \"ﾃﾞﾊﾞｲｽが準備できていません\" OK -> OK\n", false},
        {"root", true, "/", "", true},
        {"missing folder", false, folder + "/gone", "", false},
        {"sub-folder", false, folder + "/sub", "", true},
    };
    fs::create_directory(folder + "/sub");
    std::ofstream(folder + "/plain") << "x";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestForm t;
        Form1& f = t.form;
        f.Form_Load();
        f.Dir1_Change(folder);
        f.KIFU_READ_Click();
        t.takeTrace();
        const std::string drive = f.filePanel.drive;
        if (c.drive)
            f.Drive1_Change(c.path);
        else
            f.Dir1_Change(c.path);
        EXPECT_EQ(t.takeTrace(), c.trace);
        EXPECT_EQ(f.filePanel.dirPath, c.moves ? c.path : folder);
        EXPECT_EQ(f.filePanel.filePath, c.moves ? c.path : folder);
        EXPECT_EQ(f.filePanel.drive, c.drive ? c.path : drive);
        EXPECT_EQ(shown(f.filePanel), "Drive1=1 Dir1=1 File1=1 Text=0");
    }
    fs::remove_all(folder);
}

// The lists: mounted file systems with the root first, sub-folders, and only
// the record files of the folder, a file just written among them.
TEST(FilePanel, Lists) {
    const std::vector<std::string> drives = os::mountedDrives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front(), "/");
    EXPECT_EQ(os::driveOf("/"), "/");

    const std::string folder = recordtest::freshFolder("lists");
    fs::create_directory(folder + "/b");
    fs::create_directory(folder + "/a");
    fs::create_directory(folder + "/dir.棋譜");
    for (const char* name : {"z.棋譜", "a.棋譜", "note.txt", "棋譜", "x.棋譜.bak"})
        std::ofstream(folder + "/" + name) << "";
    TestForm t;
    Form1& f = t.form;
    f.Form_Load();
    f.Dir1_Change(folder);
    EXPECT_EQ(f.filePanel.folders(), (std::vector<std::string>{"a", "b", "dir.棋譜"}));
    EXPECT_EQ(f.filePanel.files(), (std::vector<std::string>{"a.棋譜", "z.棋譜"}));

    f.START_Click();
    clickCell(f, Form1::LEFT_BUTTON, 7, 7);
    clickCell(f, Form1::LEFT_BUTTON, 7, 6);
    f.KIFU_WRITE_Click();
    f.setPanelText(FILE_NAME_BOX, "m");
    f.Command1_Click();
    f.KIFU_READ_Click();
    EXPECT_EQ(f.filePanel.files(), (std::vector<std::string>{"a.棋譜", "m.棋譜", "z.棋譜"}));
    fs::remove_all(folder);
}

// File names are bytes: a name in Shift_JIS, copied from another system, is
// listed by its extension's bytes in either encoding and opens as it is.
TEST(FilePanel, NamesAreBytes) {
    const std::string folder = recordtest::freshFolder("bytes");
    TestForm played;
    played.form.Form_Load();
    played.form.Dir1_Change(folder);
    played.form.START_Click();
    clickCell(played.form, Form1::LEFT_BUTTON, 7, 7);
    clickCell(played.form, Form1::LEFT_BUTTON, 7, 6);
    played.form.KIFU_WRITE_Click();
    played.form.setPanelText(FILE_NAME_BOX, "saved");
    played.form.Command1_Click();
    const std::string shiftJisName = "\x91\xCE\x8B\xC7";  // 対局 in Shift_JIS: no UTF-8
    const std::string names[] = {shiftJisName + FilePanel::FILE_EXTENSION_SJIS, shiftJisName + ".棋譜"};
    for (const std::string& name : names) fs::copy_file(folder + "/saved.棋譜", folder + "/" + name);

    TestForm t;
    t.form.Form_Load();
    t.form.Dir1_Change(folder);
    std::vector<std::string> expected = {names[0], names[1], "saved.棋譜"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(t.form.filePanel.files(), expected);
    for (const std::string& name : names) {
        t.takeTrace();
        t.form.File1_Click(name);
        EXPECT_NE(t.takeTrace().find("読み込みました"), std::string::npos);
        EXPECT_EQ(t.form.recordLength, 1);
    }
    fs::remove_all(folder);
}

}  // namespace
