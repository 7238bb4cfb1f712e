// The four committed game sounds: measured from their samples, since nobody
// can listen in a test.  A regenerated set must still pass.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "mirelo_sound.h"
#include "sound_test_support.h"

namespace {

const std::filesystem::path kSounds = MIRELO_SOUNDS_DIR;

struct Pcm {
    bool ok = false;
    int rate = 0;
    int channels = 0;
    std::uintmax_t fileBytes = 0;
    std::vector<std::vector<double>> channel;  // -1 .. 1
    double seconds() const { return channel.empty() ? 0.0 : static_cast<double>(channel[0].size()) / rate; }
};

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

Pcm readPcm16(const std::filesystem::path& path) {
    Pcm pcm;
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    pcm.fileBytes = b.size();
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return pcm;
    std::size_t pos = 12;
    bool haveFormat = false;
    while (pos + 8 <= b.size()) {
        const std::size_t size = le(b, pos + 4, 4);
        const std::size_t body = pos + 8;
        if (size > b.size() - body) return pcm;
        if (std::memcmp(&b[pos], "fmt ", 4) == 0 && size >= 16) {
            if (le(b, body, 2) != 1 || le(b, body + 14, 2) != 16) return pcm;  // 16-bit PCM only
            pcm.channels = static_cast<int>(le(b, body + 2, 2));
            pcm.rate = static_cast<int>(le(b, body + 4, 4));
            haveFormat = pcm.channels > 0 && pcm.rate > 0;
        } else if (std::memcmp(&b[pos], "data", 4) == 0 && haveFormat) {
            const std::size_t frames = size / 2 / static_cast<std::size_t>(pcm.channels);
            pcm.channel.assign(static_cast<std::size_t>(pcm.channels), std::vector<double>(frames));
            for (std::size_t f = 0; f < frames; ++f)
                for (int c = 0; c < pcm.channels; ++c) {
                    const auto raw = static_cast<std::int16_t>(le(
                        b, body + (f * static_cast<std::size_t>(pcm.channels) + static_cast<std::size_t>(c)) * 2, 2));
                    pcm.channel[static_cast<std::size_t>(c)][f] = raw / 32768.0;
                }
            pcm.ok = frames > 0;
            return pcm;
        }
        pos = body + size + (size & 1);
    }
    return pcm;
}

double peakOf(const std::vector<double>& x) {
    double peak = 0;
    for (double v : x) peak = std::max(peak, std::abs(v));
    return peak;
}

double meanOf(const std::vector<double>& x) {
    double sum = 0;
    for (double v : x) sum += v;
    return sum / static_cast<double>(x.size());
}

// Root mean square of the step from each sample to the next.
double rmsStep(const std::vector<double>& x) {
    double sum = 0;
    for (std::size_t i = 1; i < x.size(); ++i) sum += (x[i] - x[i - 1]) * (x[i] - x[i - 1]);
    return std::sqrt(sum / static_cast<double>(x.size() - 1));
}

// Sign changes per second: a rough measure of how high a sound sits.
double crossingsPerSecond(const Pcm& pcm) {
    const auto& x = pcm.channel[0];
    int changes = 0;
    for (std::size_t i = 1; i < x.size(); ++i) changes += (x[i - 1] < 0) != (x[i] < 0) ? 1 : 0;
    return changes / pcm.seconds();
}

struct Expect {
    const char* file;
    double minSeconds;
    double maxSeconds;
    bool loops;
};

const Expect kExpected[] = {
    {"駒打音.wav", 0.10, 0.25, false},
    {"禁止.wav", 0.20, 0.30, false},
    {"その他.wav", 0.50, 1.00, false},
    {"BGM.wav", 20.0, 120.0, true},
};

TEST(GameSounds, AreCleanSoundsOfTheIntendedLength) {
    for (const Expect& e : kExpected) {
        SCOPED_TRACE(e.file);
        const Pcm pcm = readPcm16(kSounds / e.file);
        ASSERT_TRUE(pcm.ok) << "not a 16-bit PCM WAV";
        EXPECT_TRUE(pcm.rate == 22050 || pcm.rate == 44100);
        EXPECT_GE(pcm.seconds(), e.minSeconds);
        EXPECT_LE(pcm.seconds(), e.maxSeconds);
        for (const auto& x : pcm.channel) {
            const double peak = peakOf(x);
            EXPECT_LT(peak, 0.95) << "too close to clipping";
            EXPECT_GT(peak, 0.1) << "hardly audible";
            EXPECT_LT(std::abs(meanOf(x)), 0.002) << "DC offset";
            if (e.loops) {
                // The last sample must lead into the first as any sample
                // leads into the next.
                EXPECT_LT(std::abs(x.front() - x.back()), 3 * rmsStep(x)) << "the loop point clicks";
            } else {
                // Starts and ends at rest, so neither end clicks.
                EXPECT_LT(std::abs(x.front()), 0.002);
                const std::size_t tail = static_cast<std::size_t>(pcm.rate / 500);  // 2 ms
                const std::vector<double> end(x.end() - static_cast<std::ptrdiff_t>(tail), x.end());
                EXPECT_LT(peakOf(end), 0.005) << "the sound is cut off";
            }
        }
        if (e.loops) {
            EXPECT_LT(pcm.fileBytes, 4u * 1024 * 1024);
        }
    }
}

TEST(GameSounds, RefusalSitsWellBelowThePieceClick) {
    const Pcm piece = readPcm16(kSounds / "駒打音.wav");
    const Pcm refusal = readPcm16(kSounds / "禁止.wav");
    ASSERT_TRUE(piece.ok && refusal.ok);
    EXPECT_GT(crossingsPerSecond(piece), 2 * crossingsPerSecond(refusal));
    EXPECT_LT(crossingsPerSecond(refusal), 1500) << "the refusal should be a low sound";
}

class GameSoundsOnDevice : public soundtest::DiskDevice {};

TEST_F(GameSoundsOnDevice, LoadThroughTheLibrary) {
    for (const Expect& e : kExpected) {
        SCOPED_TRACE(e.file);
        const DSHANDLE b = dsCreateResDSB(device, (kSounds / e.file).c_str(), e.loops ? DS_FLAG_MUSIC : DS_FLAG_EFFECT);
        EXPECT_NE(b, 0u);
        dsFree(b);
    }
}

}  // namespace
