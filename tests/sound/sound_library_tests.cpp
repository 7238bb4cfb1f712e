// The sound library, heard through SDL's disk audio driver: what the device
// writes is compared with what the buffers hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "mirelo_sound.h"
#include "sound_test_support.h"

using namespace soundtest;

namespace {

constexpr int kFileRate = 44100;

double gainOf(int hundredthsDb) { return hundredthsDb <= -10000 ? 0.0 : std::pow(10.0, hundredthsDb / 2000.0); }

// Writes bytes to a file of their own in the temp folder.
std::filesystem::path writeTemp(const std::string& name, const Bytes& bytes) {
    auto path = std::filesystem::temp_directory_path() /
                ("mirelo-sound-" + std::to_string(getpid()) + "-" + name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Index of the first frame that is not silent, or frames() if none.
std::size_t firstSound(const Capture& c) {
    for (std::size_t f = 0; f < c.frames(); ++f)
        for (int ch = 0; ch < c.channels; ++ch)
            if (c.at(f, ch) != 0) return f;
    return c.frames();
}

// ---------------------------------------------------------------------------
// The device itself

TEST(SoundWithoutDevice, EverythingIsHarmlessAndZero) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("mirelo-sound-" + std::to_string(getpid()) + "-nodevice.raw");
    setenv("SDL_AUDIODRIVER", "mirelo-no-such-driver", 1);
    const DSHANDLE device = dsInitialize(nullptr);
    EXPECT_EQ(device, 0u);

    const Bytes wav = wav16(kFileRate, 1, constant(8000, 441));
    EXPECT_EQ(dsCreateDSB(device, wav.data(), wav.size(), DS_FLAG_EFFECT), 0u);
    const auto path = writeTemp("nodevice.wav", wav);
    EXPECT_EQ(dsCreateResDSB(device, path.c_str(), DS_FLAG_EFFECT), 0u);
    std::filesystem::remove(path);
    dsPlay(0);
    dsPlayLooping(0);
    dsPlayPan(0, 100);
    dsPlayEx(0, -100, 100);
    dsPlayLoopingEx(0, -100, 100);
    dsSetVolume(0, -100);
    dsSetPan(0, 100);
    dsSetFrequency(0, 22050);
    dsStop(0);
    dsFree(0);
    dsTerminate(0);

    // A failed attempt leaves nothing behind that would stop a later one.
    useDiskDriver(file);
    const DSHANDLE later = dsInitialize(nullptr);
    EXPECT_NE(later, 0u);
    dsTerminate(later);
    std::filesystem::remove(file);
}

class Device : public DiskDevice {};

TEST_F(Device, IdleDeviceWritesSilenceAndOnlyOneDeviceOpens) {
    const Capture idle = listen(100);
    EXPECT_EQ(idle.frames(), ms(100));
    EXPECT_TRUE(idle.silent());

    EXPECT_EQ(dsInitialize(nullptr), 0u) << "a second device must be refused";
    // ...without disturbing the first one.
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(5000, ms(50))));
    dsPlay(b);
    EXPECT_EQ(loudSpan(listen(300), 0, 0).length(), ms(50));
}

TEST_F(Device, InitializeAndTerminateCanRepeat) {
    std::vector<DSHANDLE> earlier;
    for (int cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        const DSHANDLE b = load(wav16(kFileRate, 1, constant(7000, ms(40))));
        for (DSHANDLE old : earlier) dsPlay(old);  // from closed devices: ignored
        dsPlay(b);
        const Capture c = listen(300);
        EXPECT_EQ(medianLevel(c, 0, loudSpan(c, 0, 0)), 7000);
        EXPECT_EQ(loudSpan(c, 0, 0).length(), ms(40));
        earlier.push_back(b);
        earlier.push_back(device);
        dsTerminate(device);
        device = dsInitialize(nullptr);
        ASSERT_NE(device, 0u);
        EXPECT_TRUE(std::find(earlier.begin(), earlier.end(), device) == earlier.end())
            << "handles are never reused";
    }
}

// ---------------------------------------------------------------------------
// WAV images

struct ImageCase {
    const char* what;
    Bytes image;
    bool loads;
    std::size_t sizeCut = 0;  // bytes withheld from the size argument
};

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes ramp(std::size_t bytes) {
    Bytes b(bytes);
    for (std::size_t i = 0; i < bytes; ++i) b[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return b;
}

Bytes extensibleFmt(std::uint16_t channels, std::uint16_t bits, std::uint16_t subFormat) {
    Bytes b = fmtPayload(0xFFFE, channels, 44100, bits);
    put16(b, 22);
    put16(b, bits);
    put32(b, channels == 1 ? 0x4u : 0x3u);
    put16(b, subFormat);
    const std::uint8_t guidTail[] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                     0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    b.insert(b.end(), std::begin(guidTail), std::end(guidTail));
    return b;
}

std::vector<ImageCase> imageCases() {
    const Bytes fmt16 = chunk("fmt ", fmtPayload(1, 1, 44100, 16));
    const Bytes data16 = chunk("data", ramp(400));
    const Bytes good = riff(concat({fmt16, data16}));
    Bytes garbage(1000);
    unsigned seed = 12345;
    for (auto& byte : garbage) byte = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
    Bytes rifx = good;
    rifx[3] = 'X';
    Bytes avi = good;
    std::copy_n("AVI ", 4, avi.begin() + 8);
    Bytes shortFmt = fmtPayload(1, 1, 44100, 16);
    shortFmt.resize(14);  // the old WAVEFORMAT, without bits per sample

    return {
        {"16-bit mono", good, true},
        {"16-bit stereo at 22050 Hz", riff(concat({chunk("fmt ", fmtPayload(1, 2, 22050, 16)), data16})), true},
        {"8-bit, odd data length, padded", riff(concat({chunk("fmt ", fmtPayload(1, 1, 11025, 8)), chunk("data", ramp(101))})), true},
        {"8-bit, odd data length, last pad byte missing",
         riff(concat({chunk("fmt ", fmtPayload(1, 1, 11025, 8)), chunk("data", ramp(101), false)})), true},
        {"24-bit stereo", riff(concat({chunk("fmt ", fmtPayload(1, 2, 48000, 24)), chunk("data", ramp(600))})), true},
        {"32-bit float", riff(concat({chunk("fmt ", fmtPayload(3, 1, 44100, 32)), chunk("data", Bytes(400, 0))})), true},
        {"extensible PCM", riff(concat({chunk("fmt ", extensibleFmt(1, 16, 1)), data16})), true},
        {"mu-law", riff(concat({chunk("fmt ", fmtPayload(7, 1, 8000, 8)), chunk("data", ramp(300))})), true},
        {"other chunks around", riff(concat({chunk("LIST", ramp(27)), fmt16, chunk("fact", ramp(4)), data16,
                                             chunk("LIST", ramp(10))})), true},
        {"bytes after the RIFF form", concat({good, ramp(33)}), true},

        {"nothing", Bytes{}, false},
        {"garbage", garbage, false},
        {"RIFF header only", Bytes(good.begin(), good.begin() + 12), false},
        {"cut inside the fmt chunk", Bytes(good.begin(), good.begin() + 30), false},
        {"cut inside the data", Bytes(good.begin(), good.end() - 50), false},
        {"size argument short of the image", good, false, 50},
        {"size argument one byte short", good, false, 1},
        {"data chunk longer than the file",
         riff(concat({fmt16, chunkDeclaring("data", 100000, ramp(400))})), false},
        {"chunk size 0xFFFFFFFF", riff(concat({chunkDeclaring("LIST", 0xFFFFFFFFu, ramp(8)), fmt16, data16})), false},
        {"RIFF size 0xFFFFFFFF", riffDeclaring(0xFFFFFFFFu, concat({fmt16, data16})), false},
        {"RIFF size too small for the chunks", riffDeclaring(20, concat({fmt16, data16})), false},
        {"big-endian RIFX", rifx, false},
        {"not WAVE", avi, false},
        {"no fmt chunk", riff(data16), false},
        {"no data chunk", riff(fmt16), false},
        {"data before fmt", riff(concat({data16, fmt16})), false},
        {"fmt chunk too short", riff(concat({chunk("fmt ", shortFmt), data16})), false},
        {"no channels", riff(concat({chunk("fmt ", fmtPayload(1, 0, 44100, 16, 2)), data16})), false},
        {"sample rate 0", riff(concat({chunk("fmt ", fmtPayload(1, 1, 0, 16)), data16})), false},
        {"12-bit samples", riff(concat({chunk("fmt ", fmtPayload(1, 1, 44100, 12, 2)), data16})), false},
        {"block align disagrees with the format", riff(concat({chunk("fmt ", fmtPayload(1, 2, 44100, 16, 2)), data16})), false},
        {"MPEG encoding", riff(concat({chunk("fmt ", fmtPayload(0x55, 1, 44100, 0, 1)), data16})), false},
        {"extensible with an unknown sub-format", riff(concat({chunk("fmt ", extensibleFmt(1, 16, 0x55)), data16})), false},
        {"empty data", riff(concat({fmt16, chunk("data", Bytes{})})), false},
        {"data shorter than one frame",
         riff(concat({chunk("fmt ", fmtPayload(1, 2, 44100, 16)), chunk("data", ramp(2))})), false},
    };
}

class WavImages : public DiskDevice {};

TEST_F(WavImages, WholeFilesLoadAndDamagedOnesAreRefused) {
    for (const ImageCase& c : imageCases()) {
        SCOPED_TRACE(c.what);
        const DSHANDLE b = dsCreateDSB(device, c.image.data(), c.image.size() - c.sizeCut, DS_FLAG_EFFECT);
        EXPECT_EQ(b != 0, c.loads);
        dsFree(b);
    }
}

TEST_F(WavImages, EveryTruncationOfAFileIsRefused) {
    // Each prefix gets an allocation of exactly its size, so under
    // AddressSanitizer any read past the size we pass is caught.
    const Bytes whole = wav16(kFileRate, 2, sine(441, 9000, 64, kFileRate));
    for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE("first " + std::to_string(size) + " bytes");
        std::vector<std::uint8_t> exact(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_EQ(dsCreateDSB(device, exact.data(), exact.size(), DS_FLAG_EFFECT), 0u);
    }
    const DSHANDLE b = dsCreateDSB(device, whole.data(), whole.size(), DS_FLAG_EFFECT);
    EXPECT_NE(b, 0u);
}

TEST_F(WavImages, CorruptedHeaderBytesNeverCrash) {
    // Any byte of the header replaced by each of a few values: the library
    // must either load the result or refuse it, and still work afterwards.
    const Bytes whole = wav16(kFileRate, 1, sine(441, 9000, 200, kFileRate));
    for (std::size_t at = 0; at < 44; ++at) {
        for (std::uint8_t value : std::initializer_list<std::uint8_t>{0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            Bytes bent = whole;
            bent[at] = value;
            dsFree(dsCreateDSB(device, bent.data(), bent.size(), DS_FLAG_EFFECT));
        }
    }
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(3000, ms(20))));
    dsPlay(b);
    EXPECT_EQ(loudSpan(listen(250), 1, 0).length(), ms(20));
}

TEST_F(WavImages, ABufferNeedsTheOpenDevice) {
    const Bytes wav = wav16(kFileRate, 1, constant(3000, 100));
    const DSHANDLE b = load(wav);
    EXPECT_EQ(dsCreateDSB(0, wav.data(), wav.size(), DS_FLAG_EFFECT), 0u);
    EXPECT_EQ(dsCreateDSB(b, wav.data(), wav.size(), DS_FLAG_EFFECT), 0u) << "a buffer is not a device";
    EXPECT_EQ(dsCreateDSB(device + 1000, wav.data(), wav.size(), DS_FLAG_EFFECT), 0u);
}

TEST_F(WavImages, FilesLoadByPath) {
    const Bytes wav = wav16(kFileRate, 1, constant(6000, ms(30)));
    const auto good = writeTemp("good.wav", wav);
    const auto cut = writeTemp("cut.wav", Bytes(wav.begin(), wav.end() - 10));
    const auto empty = writeTemp("empty.wav", Bytes{});
    const DSHANDLE b = dsCreateResDSB(device, good.c_str(), DS_FLAG_EFFECT);
    EXPECT_NE(b, 0u);
    EXPECT_EQ(dsCreateResDSB(device, cut.c_str(), DS_FLAG_EFFECT), 0u);
    EXPECT_EQ(dsCreateResDSB(device, empty.c_str(), DS_FLAG_EFFECT), 0u);
    EXPECT_EQ(dsCreateResDSB(device, "/nonexistent/mirelo/none.wav", DS_FLAG_EFFECT), 0u);
    EXPECT_EQ(dsCreateResDSB(device, std::filesystem::temp_directory_path().c_str(), DS_FLAG_EFFECT), 0u);
    EXPECT_EQ(dsCreateResDSB(device, nullptr, DS_FLAG_EFFECT), 0u);
    EXPECT_EQ(dsCreateResDSB(0, good.c_str(), DS_FLAG_EFFECT), 0u);
    for (const auto& p : {good, cut, empty}) std::filesystem::remove(p);

    dsPlay(b);
    const Capture c = listen(250);
    EXPECT_EQ(loudSpan(c, 0, 0).length(), ms(30));
    EXPECT_EQ(medianLevel(c, 0, loudSpan(c, 0, 0)), 6000);
}

// ---------------------------------------------------------------------------
// Playing

class Playing : public DiskDevice {};

TEST_F(Playing, OneShotWritesTheFileSamplesExactlyOnce) {
    const auto tone = sine(441, 12000, ms(100), kFileRate);
    for (int fileChannels : {1, 2}) {
        SCOPED_TRACE(std::to_string(fileChannels) + " channel(s) in the file");
        std::vector<std::int16_t> samples;
        for (std::int16_t s : tone) {
            samples.push_back(s);
            if (fileChannels == 2) samples.push_back(static_cast<std::int16_t>(-s / 2));
        }
        const DSHANDLE b = load(wav16(kFileRate, fileChannels, samples));
        dsPlay(b);
        const Capture c = listen(400);
        // The tone starts on a zero sample, so it begins one frame before the
        // first one heard.
        const std::size_t first = firstSound(c);
        ASSERT_GE(first, 1u);
        const std::size_t start = first - 1;
        ASSERT_LE(start + tone.size(), c.frames());
        for (std::size_t i = 0; i < tone.size(); ++i) {
            ASSERT_EQ(c.at(start + i, 0), tone[i]) << "frame " << i;
            ASSERT_EQ(c.at(start + i, 1), fileChannels == 2 ? -tone[i] / 2 : tone[i]) << "frame " << i;
        }
        Capture after = c;
        after.samples.erase(after.samples.begin(),
                            after.samples.begin() + static_cast<std::ptrdiff_t>((start + tone.size()) * 2));
        EXPECT_TRUE(after.silent()) << "played more than once";
        dsFree(b);
    }
}

TEST_F(Playing, SeveralBuffersSoundTogether) {
    const DSHANDLE a = load(wav16(kFileRate, 1, constant(3000, ms(500))));
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(5000, ms(500))));
    const DSHANDLE c = load(wav16(kFileRate, 1, constant(7000, ms(500))));
    const std::size_t from = framesWritten();
    dsPlay(a);
    dsPlay(b);
    dsPlay(c);
    waitForFrame(from + ms(900));
    const Capture out = read(from, from + ms(900));
    std::size_t allThree = 0;
    for (std::size_t f = 0; f < out.frames(); ++f) allThree += out.at(f, 0) == 15000 ? 1 : 0;
    EXPECT_GE(allThree, ms(250)) << "the three sounds should overlap for most of their length";
    EXPECT_EQ(*std::max_element(out.samples.begin(), out.samples.end()), 15000);
}

TEST_F(Playing, PlayingAgainRestartsInsteadOfLayering) {
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(6000, ms(300))));
    const std::size_t from = framesWritten();
    dsPlay(b);
    waitFrames(ms(120));
    dsPlay(b);
    waitForFrame(from + ms(900));
    const Capture c = read(from, from + ms(900));
    const Span span = loudSpan(c, 0, 0);
    EXPECT_EQ(*std::max_element(c.samples.begin(), c.samples.end()), 6000) << "two copies were mixed";
    EXPECT_GE(span.length(), ms(350)) << "the second play did not start over";
    EXPECT_EQ(quietFramesWithin(c, span, 0), 0u);
}

TEST_F(Playing, StopSilencesTheBufferAtOnce) {
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(5000, ms(1000))));
    dsStop(b);  // not playing: nothing to do
    const std::size_t from = framesWritten();
    dsPlay(b);
    waitFrames(ms(150));
    dsStop(b);
    waitForFrame(from + ms(1300));
    const Capture c = read(from, from + ms(1300));
    const Span span = loudSpan(c, 0, 0);
    EXPECT_GE(span.length(), ms(50));
    EXPECT_LE(span.length(), ms(700)) << "dsStop did not stop the sound";
}

TEST_F(Playing, LoopingRepeatsSeamlesslyUntilStopped) {
    // Twenty whole periods, so a seamless loop is one unbroken sine.
    const int loopFrames = 2000;
    const auto period = sine(441, 10000, loopFrames, kFileRate);
    const DSHANDLE b = load(wav16(kFileRate, 1, period));
    const std::size_t from = framesWritten();
    dsPlayLooping(b);
    waitFrames(ms(500));
    dsStop(b);
    waitFrames(ms(150));
    const Capture c = read(from, framesWritten());
    const std::size_t start = firstSound(c) - 1;
    const Span span = loudSpan(c, 0, 0);
    ASSERT_TRUE(span.found);
    EXPECT_GE(span.length(), ms(400)) << "looping stopped early";
    std::size_t wrong = 0;
    for (std::size_t f = start; f <= span.last; ++f)
        wrong += c.at(f, 0) != period[(f - start) % loopFrames] ? 1 : 0;
    EXPECT_EQ(wrong, 0u) << "the loop is not an unbroken repetition of the buffer";
    for (std::size_t f = span.last + 1; f < c.frames(); ++f) ASSERT_EQ(c.at(f, 0), 0) << "sound after dsStop";
}

TEST_F(Playing, MusicLoopsOnPlainPlayAndEffectsPlayOnce) {
    struct Case {
        int flags;
        bool loops;
    };
    for (const Case& k : {Case{DS_FLAG_MUSIC, true}, Case{DS_FLAG_EFFECT, false}, Case{0, false}, Case{42, false}}) {
        SCOPED_TRACE("flags " + std::to_string(k.flags));
        const DSHANDLE b = load(wav16(kFileRate, 1, constant(4000, ms(50))), k.flags);
        const std::size_t from = framesWritten();
        dsPlay(b);
        waitFrames(ms(400));
        dsStop(b);
        const Capture c = read(from, from + ms(400));
        const Span span = loudSpan(c, 0, 0);
        if (k.loops) {
            EXPECT_GE(span.length(), ms(300));
            EXPECT_EQ(quietFramesWithin(c, span, 0), 0u);
        } else {
            EXPECT_EQ(span.length(), ms(50));
        }
        dsFree(b);
    }
}

TEST_F(Playing, MusicAtAnotherRateStillLoopsSeamlessly) {
    // A 22050 Hz loop of whole periods, converted to the device's 44100 Hz:
    // the result must repeat with the period exactly, seam included.
    ASSERT_EQ(rate, 44100);
    const auto period = sine(441, 10000, 1000, 22050);
    const DSHANDLE b = load(wav16(22050, 1, period), DS_FLAG_MUSIC);
    const std::size_t from = framesWritten();
    dsPlay(b);
    waitFrames(ms(400));
    dsStop(b);
    const Capture c = read(from, from + ms(400));
    const Span span = loudSpan(c, 0, 0);
    ASSERT_GE(span.length(), ms(300));
    int worst = 0;
    for (std::size_t f = span.first + 100; f <= span.last; ++f)
        worst = std::max(worst, std::abs(c.at(f, 0) - c.at(f - 100, 0)));
    EXPECT_LE(worst, 100) << "the loop seam breaks the waveform";
}

// ---------------------------------------------------------------------------
// Volume, pan and rate

class Levels : public DiskDevice {};

TEST_F(Levels, VolumeScalesTheOutput) {
    struct Case {
        const char* how;
        int volume;
        int expectedDb;  // what the volume means after clamping
        bool viaPlayEx;
    };
    const Case cases[] = {
        {"full", 0, 0, false},         {"-6 dB", -600, -600, false},
        {"-20 dB", -2000, -2000, false}, {"-40 dB", -4000, -4000, false},
        {"silent", -10000, -10000, false}, {"below the range", -20000, -10000, false},
        {"above the range", 3000, 0, false}, {"-6 dB by dsPlayEx", -600, -600, true},
        {"silent by dsPlayEx", -10000, -10000, true},
    };
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(8000, ms(80))));
    for (const Case& k : cases) {
        SCOPED_TRACE(k.how);
        const std::size_t from = framesWritten();
        if (k.viaPlayEx) {
            dsPlayEx(b, k.volume, 0);
        } else {
            dsSetVolume(b, k.volume);
            dsPlay(b);
        }
        waitForFrame(from + ms(250));
        const Capture c = read(from, from + ms(250));
        const double expected = 8000 * gainOf(k.expectedDb);
        if (expected == 0) {
            EXPECT_TRUE(c.silent());
        } else {
            const Span span = loudSpan(c, 0, 0);
            EXPECT_EQ(span.length(), ms(80));
            EXPECT_NEAR(medianLevel(c, 0, span), expected, 0.01 * expected + 1);
            EXPECT_NEAR(medianLevel(c, 1, span), expected, 0.01 * expected + 1);
        }
    }
}

TEST_F(Levels, PanMovesTheSoundBetweenSides) {
    enum Call { SetPanThenPlay, PlayPan, PlayEx };
    struct Case {
        const char* how;
        int volume;
        int pan;
        Call call;
    };
    const Case cases[] = {
        {"centre", 0, 0, SetPanThenPlay},
        {"right only", 0, 10000, SetPanThenPlay},
        {"left only", 0, -10000, PlayPan},
        {"6 dB right", 0, 600, PlayPan},
        {"20 dB left", 0, -2000, PlayEx},
        {"beyond right", 0, 25000, PlayEx},
        {"6 dB down and 6 dB right", -600, 600, PlayEx},
    };
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(8000, ms(80))));
    for (const Case& k : cases) {
        SCOPED_TRACE(k.how);
        const std::size_t from = framesWritten();
        if (k.call == SetPanThenPlay) {
            dsSetPan(b, k.pan);
            dsPlay(b);
        } else if (k.call == PlayPan) {
            dsPlayPan(b, k.pan);
        } else {
            dsPlayEx(b, k.volume, k.pan);
        }
        waitForFrame(from + ms(250));
        const Capture c = read(from, from + ms(250));
        const int pan = std::clamp(k.pan, -10000, 10000);
        const double level = 8000 * gainOf(k.volume);
        const double left = level * (pan > 0 ? gainOf(-pan) : 1.0);
        const double right = level * (pan < 0 ? gainOf(pan) : 1.0);
        // The louder side always sounds; measure both over its span.
        const Span span = loudSpan(c, left >= right ? 0 : 1, 0);
        EXPECT_EQ(span.length(), ms(80));
        EXPECT_NEAR(medianLevel(c, 0, span), std::floor(left + 0.5), 0.01 * left + 1);
        EXPECT_NEAR(medianLevel(c, 1, span), std::floor(right + 0.5), 0.01 * right + 1);
    }
}

TEST_F(Levels, LevelsStayForLaterPlays) {
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(8000, ms(60))));
    dsPlayEx(b, -2000, -600);
    waitFrames(ms(200));
    dsPlay(b);
    const Capture c = listen(250);
    const Span span = loudSpan(c, 0, 0);
    EXPECT_EQ(span.length(), ms(60));
    EXPECT_NEAR(medianLevel(c, 0, span), 800, 9);
    EXPECT_NEAR(medianLevel(c, 1, span), 8000 * gainOf(-2600), 5);
}

TEST_F(Levels, VolumeReachesASoundAlreadyPlaying) {
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(6000, ms(100))));
    dsPlayLooping(b);
    waitFrames(ms(100));
    dsSetVolume(b, -10000);
    waitFrames(ms(100));
    EXPECT_TRUE(listen(150).silent()) << "the playing sound kept its level";
    dsSetVolume(b, -600);
    waitFrames(ms(100));
    const Capture c = listen(150);
    const Span span = loudSpan(c, 0, 0);
    EXPECT_EQ(span.length(), c.frames()) << "the loop should still be running";
    EXPECT_NEAR(medianLevel(c, 0, span), 6000 * gainOf(-600), 61);
    dsSetPan(b, 10000);
    waitFrames(ms(100));
    const Capture panned = listen(100);
    EXPECT_FALSE(loudSpan(panned, 0, 0).found) << "pan did not reach the playing sound";
    EXPECT_EQ(loudSpan(panned, 1, 0).length(), panned.frames());
    dsStop(b);
}

TEST_F(Levels, FrequencyChangesDurationAndPitch) {
    ASSERT_EQ(rate, 44100);
    struct Case {
        const char* how;
        int fileRate;
        std::vector<int> settings;  // dsSetFrequency calls, in order
        double expectedMs;
        double expectedHz;
    };
    // Every file holds 100 ms of a 441 Hz tone at its own rate.
    const Case cases[] = {
        {"as recorded", 44100, {}, 100, 441},
        {"half rate: an octave down", 44100, {22050}, 200, 220.5},
        {"double rate: an octave up", 44100, {88200}, 50, 882},
        {"a 22050 Hz file", 22050, {}, 100, 441},
        {"a 22050 Hz file at 44100", 22050, {44100}, 50, 882},
        {"0 restores the file's rate", 44100, {22050, 0}, 100, 441},
        {"too low is ignored", 44100, {22050, 50}, 200, 220.5},
        {"too high is ignored", 44100, {300000}, 100, 441},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.how);
        const DSHANDLE b = load(wav16(k.fileRate, 1, sine(441, 12000, k.fileRate / 10, k.fileRate)));
        for (int hertz : k.settings) dsSetFrequency(b, hertz);
        const std::size_t from = framesWritten();
        dsPlay(b);
        waitForFrame(from + ms(400));
        const Capture c = read(from, from + ms(400));
        const Span span = loudSpan(c, 0, 3000);
        const double periodMs = 1000.0 / k.expectedHz;
        EXPECT_NEAR(static_cast<double>(span.length()) * 1000.0 / rate, k.expectedMs, periodMs + 1.0);
        EXPECT_NEAR(pitchOf(c, 0, span, rate), k.expectedHz, k.expectedHz * 0.01);
        dsFree(b);
    }
}

// ---------------------------------------------------------------------------
// Handles

class Handles : public DiskDevice {};

TEST_F(Handles, HandlesTheLibraryDoesNotKnowAreIgnored) {
    const Bytes tone = wav16(kFileRate, 1, constant(5000, ms(60)));
    const DSHANDLE live = load(tone);
    const DSHANDLE freed = load(tone);
    const DSHANDLE newer = load(tone);  // so the freed handle is not simply the latest
    dsPlayLooping(freed);
    dsFree(freed);
    const DSHANDLE neverIssued = newer + 100000;

    const std::pair<const char*, std::function<void(DSHANDLE)>> bufferCalls[] = {
        {"dsPlay", [](DSHANDLE h) { dsPlay(h); }},
        {"dsPlayLooping", [](DSHANDLE h) { dsPlayLooping(h); }},
        {"dsPlayPan", [](DSHANDLE h) { dsPlayPan(h, 0); }},
        {"dsPlayEx", [](DSHANDLE h) { dsPlayEx(h, 0, 0); }},
        {"dsPlayLoopingEx", [](DSHANDLE h) { dsPlayLoopingEx(h, 0, 0); }},
        {"dsSetVolume", [](DSHANDLE h) { dsSetVolume(h, -10000); }},
        {"dsSetPan", [](DSHANDLE h) { dsSetPan(h, 10000); }},
        {"dsSetFrequency", [](DSHANDLE h) { dsSetFrequency(h, 1000); }},
        {"dsStop", [](DSHANDLE h) { dsStop(h); }},
        {"dsFree", [](DSHANDLE h) { dsFree(h); }},
    };
    const std::pair<const char*, DSHANDLE> notBuffers[] = {
        {"0", 0}, {"a freed buffer", freed}, {"never issued", neverIssued}, {"the device", device}};
    for (const auto& [call, action] : bufferCalls)
        for (const auto& [what, handle] : notBuffers) {
            SCOPED_TRACE(std::string(call) + " on " + what);
            action(handle);
        }
    const Bytes wav = tone;
    const std::pair<const char*, DSHANDLE> notDevices[] = {
        {"0", 0}, {"a buffer", live}, {"a freed buffer", freed}, {"never issued", neverIssued}};
    for (const auto& [what, handle] : notDevices) {
        SCOPED_TRACE(what);
        EXPECT_EQ(dsCreateDSB(handle, wav.data(), wav.size(), DS_FLAG_EFFECT), 0u);
        EXPECT_EQ(dsCreateResDSB(handle, "/dev/null", DS_FLAG_EFFECT), 0u);
        dsTerminate(handle);
    }
    waitFrames(ms(60));
    EXPECT_TRUE(listen(150).silent()) << "something played";

    // Nothing above touched the real device or buffers: the live ones play
    // as they were made, and a new buffer can still be made.
    for (DSHANDLE b : {live, newer}) {
        dsPlay(b);
        const Capture c = listen(250);
        const Span span = loudSpan(c, 0, 0);
        EXPECT_EQ(span.length(), ms(60));
        EXPECT_EQ(medianLevel(c, 0, span), 5000);
        EXPECT_EQ(medianLevel(c, 1, span), 5000);
    }
    const DSHANDLE fresh = load(tone);
    EXPECT_NE(fresh, freed);
    EXPECT_NE(fresh, live);
    EXPECT_NE(fresh, newer);
}

TEST_F(Handles, FreeingAPlayingBufferSilencesIt) {
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(5000, ms(100))));
    dsPlayLooping(b);
    waitFrames(ms(150));
    EXPECT_FALSE(listen(50).silent());
    dsFree(b);
    waitFrames(ms(60));
    EXPECT_TRUE(listen(150).silent());
    dsPlay(b);
    EXPECT_TRUE(listen(100).silent());
}

TEST_F(Handles, TerminateFreesEveryBuffer) {
    const DSHANDLE a = load(wav16(kFileRate, 1, constant(5000, ms(100))));
    const DSHANDLE b = load(wav16(kFileRate, 1, constant(3000, ms(100))), DS_FLAG_MUSIC);
    dsPlayLooping(a);
    dsPlay(b);
    waitFrames(ms(100));
    dsTerminate(device);
    dsPlay(a);  // the device is gone: ignored
    device = dsInitialize(nullptr);
    ASSERT_NE(device, 0u);
    dsPlay(a);
    dsPlayLooping(b);
    dsSetVolume(a, 0);
    EXPECT_TRUE(listen(150).silent()) << "old buffers outlived their device";
    const DSHANDLE c = load(wav16(kFileRate, 1, constant(2000, ms(40))));
    EXPECT_NE(c, a);
    EXPECT_NE(c, b);
    dsPlay(c);
    EXPECT_EQ(loudSpan(listen(250), 0, 0).length(), ms(40));
}

TEST_F(Handles, ManyBuffersEachKeepTheirOwnChannel) {
    // More buffers than the mixer starts with channels, all sounding at once.
    std::vector<DSHANDLE> buffers;
    for (int i = 0; i < 40; ++i) buffers.push_back(load(wav16(kFileRate, 1, constant(300, ms(200)))));
    // Freeing some and making more reuses channels without stealing any.
    for (int i = 0; i < 40; i += 4) dsFree(buffers[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 40; i += 4) buffers[static_cast<std::size_t>(i)] = load(wav16(kFileRate, 1, constant(300, ms(200))));
    const std::size_t from = framesWritten();
    for (DSHANDLE b : buffers) dsPlay(b);
    waitForFrame(from + ms(500));
    const Capture c = read(from, from + ms(500));
    EXPECT_EQ(*std::max_element(c.samples.begin(), c.samples.end()), 40 * 300);
}

}  // namespace
