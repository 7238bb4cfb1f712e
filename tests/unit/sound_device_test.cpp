// The sound device as the game sees it without a screen: one per process, WAV
// images checked as the sound library checks them, and released when the game
// object goes away, however the game ended.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>

#include "platform/SilentSoundDevice.h"
#include "system/DataFolder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestForm.h"

namespace {

const char* const NO_DEVICE = "Direct Soundインターフェースが作成できません。";

std::string bytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(SoundDevice, OnePerProcessAsTheLibraryHasIt) {
    SilentSoundDevice first, second;
    const DSHANDLE device = first.initialize();
    EXPECT_NE(device, 0u);
    EXPECT_EQ(second.initialize(), 0u) << "the device is taken";
    first.terminate(device);
    EXPECT_NE(second.initialize(), 0u) << "and free again once terminated";
}

TEST(SoundDevice, BuffersOnlyFromWholeWavImages) {
    SilentSoundDevice silence;
    const DSHANDLE device = silence.initialize();
    const std::string wav = bytesOf(os::dataFolder() + "/sounds/駒打音.wav");
    ASSERT_GT(wav.size(), 44u);
    const struct {
        const char* what;
        std::string image;
        DSHANDLE device;
        bool accepted;
    } cases[] = {
        {"the game's sound", wav, device, true},
        {"cut short", wav.substr(0, wav.size() / 2), device, false},
        {"not a RIFF file", "RIFX" + wav.substr(4), device, false},
        {"empty", "", device, false},
        {"no device", wav, 0, false},
        {"another device", wav, device + 1000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(silence.createBuffer(c.device, c.image.data(), c.image.size()) != 0, c.accepted);
    }
}

// Sound files in the working folder come from anyone: a damaged one, or one
// that would ask for a huge conversion, gives the sound-file message at
// start-up and that sound stays silent; the game goes on.
TEST(SoundDevice, ABadSoundFileIsSaidSoAndLeftSilent) {
    const std::string good = bytesOf(os::dataFolder() + "/sounds/駒打音.wav");
    ASSERT_GT(good.size(), 44u);
    const auto withRate = [&](std::uint32_t rate) {
        std::string wav = good;
        for (int i = 0; i < 4; ++i) wav[24 + i] = static_cast<char>((rate >> (8 * i)) & 0xFF);
        return wav;
    };
    const auto withChannels = [&](std::uint16_t channels) {
        std::string wav = good;
        wav[22] = static_cast<char>(channels & 0xFF);
        wav[23] = static_cast<char>(channels >> 8);
        return wav;
    };
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a rate of 5 Hz", withRate(5)},           {"a rate of 7 Hz", withRate(7)},
        {"no channels", withChannels(0)},          {"cut in the data", good.substr(0, good.size() - 100)},
        {"cut in the header", good.substr(0, 30)}, {"empty", ""},
        {"no WAV at all", std::string(4000, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        std::ofstream("駒打音.wav", std::ios::binary) << c.bytes;
        TestForm t;
        t.form.Form_Load();
        const std::string trace = t.takeTrace();
        EXPECT_NE(trace.find("msgbox \"Mirelo.dll\" \"駒打音.wav を読み込めません。\" OK"), std::string::npos) << trace;
        EXPECT_EQ(t.form.sndPiece.handle, 0u);
        EXPECT_NE(t.form.sndRefuse.handle, 0u) << "the other sounds load as ever";
    }
}

TEST(SoundDevice, ASecondGameAfterTheFirstFindsTheDeviceFree) {
    for (int game = 0; game < 2; ++game) {
        TestForm t;
        t.form.Form_Load();
        EXPECT_EQ(t.takeTrace().find(NO_DEVICE), std::string::npos) << "game " << game;
    }
}

TEST(SoundDevice, ReleasedWhenTheGameGoesAwayWithoutItsExitPath) {
    auto first = std::make_unique<TestForm>();
    first->form.Form_Load();
    TestForm meanwhile;
    meanwhile.form.Form_Load();
    EXPECT_NE(meanwhile.takeTrace().find(NO_DEVICE), std::string::npos) << "the first game holds the device";
    first.reset();
    TestForm after;
    after.form.Form_Load();
    EXPECT_EQ(after.takeTrace().find(NO_DEVICE), std::string::npos);
}

TEST(SoundDevice, ACopyOfTheGameLeavesTheDeviceWithTheOriginal) {
    TestForm t;
    t.form.Form_Load();
    { const Form1 snapshot(t.form); }
    TestForm other;
    other.form.Form_Load();
    EXPECT_NE(other.takeTrace().find(NO_DEVICE), std::string::npos) << "the original still holds it";
}

}  // namespace
