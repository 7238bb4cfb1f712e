// Files beside the game never hang it: a named pipe in the place of the
// settings file, a sound, a record to read or a record to write over is
// refused like a missing file, at once.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/TempFolder.h"
#include "tests/support/TestForm.h"

namespace {

TEST(FilesBesideTheGame, APipeIsRefusedWithoutWaiting) {
    TempFolder folder;
    for (const char* pipe : {Form1::SETTINGS_FILE, "駒打音.wav", "read.棋譜", "written.棋譜"})
        ASSERT_EQ(::mkfifo(pipe, 0600), 0) << pipe;
    TestForm t;
    t.form.Form_Load();  // neither the settings nor the sound wait for a writer
    EXPECT_TRUE(t.form.isChecked(Menu::MIDORI)) << "the defaults, as for a missing file";
    EXPECT_EQ(t.takeTrace().find("を読み込めません"), std::string::npos) << "the pipe is passed over";
    EXPECT_NE(t.form.sndPiece.handle, 0u) << "for the game's own sound";

    t.form.File1_Click("read.棋譜");
    EXPECT_EQ(t.takeTrace(), "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙを開けません\" OK -> OK\n");

    t.form.START_Click();
    clickCell(t.form, Form1::LEFT_BUTTON, 7, 7);
    clickCell(t.form, Form1::LEFT_BUTTON, 7, 6);
    t.form.KIFU_WRITE_Click();
    t.form.setPanelText(FILE_NAME_BOX, "written");
    t.takeTrace();
    t.form.Command1_Click();
    EXPECT_EQ(t.takeTrace(), "msgbox \"棋譜保存\" \"棋譜ﾌｧｲﾙを書き込めませんでした\" OK -> OK\n");
    EXPECT_TRUE(std::filesystem::is_fifo("written.棋譜"));
}

}  // namespace
