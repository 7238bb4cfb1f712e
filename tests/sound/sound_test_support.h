// Helpers for the sound tests: WAV images built in memory, and a view of
// what SDL's "disk" audio driver writes, which is exactly what a listener
// would have heard.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "mirelo_sound.h"

namespace soundtest {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v);
void put32(Bytes& b, std::uint32_t v);
void putId(Bytes& b, const char* id);

// One chunk: id, declared size (normally the payload's), payload and the
// pad byte that keeps chunks word aligned.
Bytes chunk(const char* id, const Bytes& payload, bool pad = true);
Bytes chunkDeclaring(const char* id, std::uint32_t declaredSize, const Bytes& payload);
// "RIFF" <size of the rest> "WAVE" followed by the chunks.
Bytes riff(const Bytes& body);
Bytes riffDeclaring(std::uint32_t declaredSize, const Bytes& body);
Bytes fmtPayload(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                 std::uint16_t blockAlign);
Bytes fmtPayload(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);

// A whole 16-bit PCM WAV file of the given interleaved samples.
Bytes wav16(int rate, int channels, const std::vector<std::int16_t>& samples);

std::vector<std::int16_t> constant(std::int16_t value, std::size_t frames);
std::vector<std::int16_t> sine(double hertz, double amplitude, std::size_t frames, int rate);

// What came out of one channel of the device, from some frame on.
struct Capture {
    int channels = 0;
    std::vector<std::int16_t> samples;  // interleaved
    std::size_t frames() const { return channels == 0 ? 0 : samples.size() / static_cast<std::size_t>(channels); }
    std::int16_t at(std::size_t frame, int channel) const {
        return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)];
    }
    bool silent() const;
};

// Frames whose level on a channel exceeds the threshold: where they start,
// where the last one is, and how many there are in between.
struct Span {
    bool found = false;
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t length() const { return found ? last - first + 1 : 0; }
};
Span loudSpan(const Capture& c, int channel, int threshold);
// Median of the channel's samples over a span (for steady test tones).
double medianLevel(const Capture& c, int channel, const Span& span);
// Frames in [first, last] at or below the threshold on every channel.
std::size_t quietFramesWithin(const Capture& c, const Span& span, int threshold);
// Rising zero crossings per second over the span.
double pitchOf(const Capture& c, int channel, const Span& span, int rate);

// A test with the library's device opened on SDL's disk driver, writing to
// a file of its own.
class DiskDevice : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Frames the device has written so far.
    std::size_t framesWritten() const;
    // Waits (bounded) until the device has written `frame` frames.
    void waitForFrame(std::size_t frame);
    // Waits for `frames` more frames than are written now.
    void waitFrames(std::size_t frames) { waitForFrame(framesWritten() + frames); }
    Capture read(std::size_t fromFrame, std::size_t toFrame) const;
    // Frames for a duration at the device's rate.
    std::size_t ms(double milliseconds) const {
        return static_cast<std::size_t>(std::llround(milliseconds * rate / 1000.0));
    }
    // Plays nothing new for `milliseconds` and returns what came out.
    Capture listen(double milliseconds);

    DSHANDLE load(const Bytes& wav, int flags = DS_FLAG_EFFECT);

    std::filesystem::path file;
    DSHANDLE device = 0;
    int rate = 0;
    int channels = 0;
};

void useDiskDriver(const std::filesystem::path& file);

}  // namespace soundtest
