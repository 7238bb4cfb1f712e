#include "sound_test_support.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <numbers>
#include <thread>

#include <unistd.h>

namespace soundtest {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFFu);
    put16(b, v >> 16);
}

void putId(Bytes& b, const char* id) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(id[i]));
}

Bytes chunkDeclaring(const char* id, std::uint32_t declaredSize, const Bytes& payload) {
    Bytes b;
    putId(b, id);
    put32(b, declaredSize);
    b.insert(b.end(), payload.begin(), payload.end());
    return b;
}

Bytes chunk(const char* id, const Bytes& payload, bool pad) {
    Bytes b = chunkDeclaring(id, static_cast<std::uint32_t>(payload.size()), payload);
    if (pad && payload.size() % 2 == 1) b.push_back(0);
    return b;
}

Bytes riffDeclaring(std::uint32_t declaredSize, const Bytes& body) {
    Bytes b;
    putId(b, "RIFF");
    put32(b, declaredSize);
    putId(b, "WAVE");
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes riff(const Bytes& body) { return riffDeclaring(static_cast<std::uint32_t>(body.size() + 4), body); }

Bytes fmtPayload(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                 std::uint16_t blockAlign) {
    Bytes b;
    put16(b, tag);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * blockAlign);
    put16(b, blockAlign);
    put16(b, bits);
    return b;
}

Bytes fmtPayload(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    return fmtPayload(tag, channels, rate, bits, static_cast<std::uint16_t>(channels * bits / 8));
}

Bytes wav16(int rate, int channels, const std::vector<std::int16_t>& samples) {
    Bytes data;
    for (std::int16_t s : samples) put16(data, static_cast<std::uint16_t>(s));
    Bytes body = chunk("fmt ", fmtPayload(1, static_cast<std::uint16_t>(channels), static_cast<std::uint32_t>(rate), 16));
    Bytes d = chunk("data", data);
    body.insert(body.end(), d.begin(), d.end());
    return riff(body);
}

std::vector<std::int16_t> constant(std::int16_t value, std::size_t frames) {
    return std::vector<std::int16_t>(frames, value);
}

std::vector<std::int16_t> sine(double hertz, double amplitude, std::size_t frames, int rate) {
    std::vector<std::int16_t> s(frames);
    for (std::size_t i = 0; i < frames; ++i)
        s[i] = static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hertz * static_cast<double>(i) / rate)));
    return s;
}

bool Capture::silent() const {
    return std::all_of(samples.begin(), samples.end(), [](std::int16_t s) { return s == 0; });
}

Span loudSpan(const Capture& c, int channel, int threshold) {
    Span span;
    for (std::size_t f = 0; f < c.frames(); ++f) {
        if (std::abs(c.at(f, channel)) > threshold) {
            if (!span.found) span.first = f;
            span.found = true;
            span.last = f;
        }
    }
    return span;
}

double medianLevel(const Capture& c, int channel, const Span& span) {
    if (!span.found) return 0.0;
    std::vector<int> values;
    for (std::size_t f = span.first; f <= span.last; ++f) values.push_back(c.at(f, channel));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

std::size_t quietFramesWithin(const Capture& c, const Span& span, int threshold) {
    std::size_t quiet = 0;
    if (!span.found) return 0;
    for (std::size_t f = span.first; f <= span.last; ++f) {
        bool loud = false;
        for (int ch = 0; ch < c.channels; ++ch) loud = loud || std::abs(c.at(f, ch)) > threshold;
        if (!loud) ++quiet;
    }
    return quiet;
}

double pitchOf(const Capture& c, int channel, const Span& span, int rate) {
    if (!span.found || span.length() < 2) return 0.0;
    std::size_t firstRise = 0;
    std::size_t lastRise = 0;
    int rises = 0;
    for (std::size_t f = span.first + 1; f <= span.last; ++f) {
        if (c.at(f - 1, channel) < 0 && c.at(f, channel) >= 0) {
            if (rises == 0) firstRise = f;
            lastRise = f;
            ++rises;
        }
    }
    if (rises < 2) return 0.0;
    return (rises - 1) * static_cast<double>(rate) / static_cast<double>(lastRise - firstRise);
}

void useDiskDriver(const std::filesystem::path& file) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
}

void DiskDevice::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    file = std::filesystem::temp_directory_path() /
           ("mirelo-sound-" + std::to_string(getpid()) + "-" + name + ".raw");
    useDiskDriver(file);
    device = dsInitialize(nullptr);
    ASSERT_NE(device, 0u) << "the disk audio driver should always open";
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
    ASSERT_EQ(format, AUDIO_S16SYS);
    ASSERT_EQ(channels, 2) << "these tests read the device as stereo";
}

void DiskDevice::TearDown() {
    dsTerminate(device);
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

std::size_t DiskDevice::framesWritten() const {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(file, error);
    if (error) return 0;
    return static_cast<std::size_t>(bytes) / (sizeof(std::int16_t) * static_cast<std::size_t>(channels));
}

void DiskDevice::waitForFrame(std::size_t frame) {
    // The driver writes in real time; the bound is only there so a broken
    // device fails the test instead of hanging it.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (framesWritten() < frame) {
        ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "the audio device stopped writing";
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

Capture DiskDevice::read(std::size_t fromFrame, std::size_t toFrame) const {
    Capture c;
    c.channels = channels;
    if (toFrame <= fromFrame) return c;
    const std::size_t frameBytes = sizeof(std::int16_t) * static_cast<std::size_t>(channels);
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(fromFrame * frameBytes));
    c.samples.resize((toFrame - fromFrame) * static_cast<std::size_t>(channels));
    in.read(reinterpret_cast<char*>(c.samples.data()), static_cast<std::streamsize>(c.samples.size() * sizeof(std::int16_t)));
    c.samples.resize(static_cast<std::size_t>(in.gcount()) / frameBytes * static_cast<std::size_t>(channels));
    return c;
}

Capture DiskDevice::listen(double milliseconds) {
    const std::size_t from = framesWritten();
    waitForFrame(from + ms(milliseconds));
    return read(from, from + ms(milliseconds));
}

DSHANDLE DiskDevice::load(const Bytes& wav, int flags) {
    const DSHANDLE buffer = dsCreateDSB(device, wav.data(), wav.size(), flags);
    EXPECT_NE(buffer, 0u);
    return buffer;
}

}  // namespace soundtest
