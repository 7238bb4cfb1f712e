// The programs without a window never touch a sound device: the dynamic
// loader must not even be asked for SDL when they start.

#include <gtest/gtest.h>

#include "tests/support/RunProgram.h"

namespace {

TEST(LinkedLibraries, HeadlessProgramsLoadNoSdl) {
    for (const char* program : {"mirelo-cli", "mirelo-usi", "mirelo-match"}) {
        const ProgramRun run =
            runProgram("ldd", {QString(PROGRAM_FOLDER) + "/" + program}, QProcessEnvironment::systemEnvironment());
        ASSERT_EQ(run.exitCode, 0) << program << ": " << run.err;
        EXPECT_NE(run.out.find("libc.so"), std::string::npos) << program << " listed:\n" << run.out;
        EXPECT_EQ(run.out.find("SDL"), std::string::npos) << program << " loads:\n" << run.out;
    }
}

// The window's program is the one that plays sound, through its own library.
TEST(LinkedLibraries, TheWindowLoadsTheSoundLibrary) {
    const ProgramRun run =
        runProgram("ldd", {QString(PROGRAM_FOLDER) + "/mirelo"}, QProcessEnvironment::systemEnvironment());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("libmirelo-sound.so"), std::string::npos) << run.out;
}

}  // namespace
