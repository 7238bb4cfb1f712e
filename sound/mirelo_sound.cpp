// The sound library on top of SDL2_mixer.
//
// Each buffer owns one mixer channel for its whole life, which gives
// "several sounds at once" and "replay restarts" for free.  The decoded
// samples of the file are kept, so a buffer can be converted again when its
// playback rate changes; what the mixer plays is that conversion, already in
// the device's format.  Rate changes use our own resampler: SDL 2.26's
// audio stream loses the end of a sound and drifts when it resamples.
// Volume and pan are applied by a channel effect of our own with float
// gains, finer than the mixer's 128 volume steps.

#include "mirelo_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <numbers>
#include <vector>

#include "wav_image.h"

namespace mirelo::sound {
namespace {

constexpr int kDeviceRate = 44100;
constexpr int kDeviceChannels = 2;
constexpr int kDeviceFrames = 1024;  // ~23 ms: short enough for a click to feel immediate
constexpr int kInitialChannels = 16;
constexpr int kMinRate = 100;
constexpr int kMaxRate = 200000;
// Upper bound for one converted buffer (and for a file read by path): a
// slowed-down long file must not eat the machine's memory.
constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

int clampLevel(int value, int low, int high) { return std::min(std::max(value, low), high); }

// Hundredths of a decibel to a linear gain; the bottom of the range is
// true silence rather than -100 dB.
// Rounds half away from zero, as std::lround does, without its library call
// per sample: a float plus one half is exact in double.
long roundToLong(float value) {
    const double v = value;
    return static_cast<long>(v < 0 ? v - 0.5 : v + 0.5);
}

float levelToGain(int hundredthsDb) {
    if (hundredthsDb <= -10000) return 0.0f;
    return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

struct DeviceSpec {
    int rate = 0;
    SDL_AudioFormat format = 0;
    int channels = 0;
};

// The file's samples as decoded, in the file's own format.
struct Source {
    SDL_AudioFormat format = 0;
    int channels = 0;
    int rate = 0;
    std::vector<Uint8> bytes;
    std::size_t frameBytes() const {
        return static_cast<std::size_t>(SDL_AUDIO_BITSIZE(format) / 8) * static_cast<std::size_t>(channels);
    }
    std::size_t frames() const { return bytes.size() / frameBytes(); }
};

// Written by the game's thread, read by the audio thread.  "applied" is the
// audio thread's own: gains glide from it to the target over one block so
// that a level change never clicks.
struct Gains {
    std::atomic<float> left{1.0f};
    std::atomic<float> right{1.0f};
    float appliedLeft = 1.0f;
    float appliedRight = 1.0f;
    int deviceChannels = kDeviceChannels;
};

struct Buffer {
    int channel = -1;
    bool music = false;
    Source source;
    int wantedRate = 0;    // rate asked for by dsSetFrequency
    int renderedRate = 0;  // rate the current chunk was converted at
    std::vector<Uint8> pcm;  // the chunk's samples (the chunk does not own them)
    Mix_Chunk* chunk = nullptr;
    int volume = 0;
    int pan = 0;
    Gains gains;
};

struct Library {
    DSHANDLE device = 0;
    DeviceSpec output;
    std::map<DSHANDLE, std::unique_ptr<Buffer>> buffers;
    std::vector<int> freeChannels;
    int channelsInUse = 0;  // channels [0, channelsInUse) have been handed out
    int channelsAllocated = 0;
    DSHANDLE lastHandle = 0;

    DSHANDLE newHandle() {
        // Monotonic, so a freed handle can never come back to life as
        // someone else's buffer.
        return ++lastHandle;
    }
};

Library& lib() {
    // Never destroyed: a program that exits without dsTerminate must not
    // free samples under a mixer thread that is still playing them.
    static Library* instance = new Library;
    return *instance;
}

Buffer* findBuffer(DSHANDLE handle) {
    if (handle == 0) return nullptr;
    auto& buffers = lib().buffers;
    auto it = buffers.find(handle);
    return it == buffers.end() ? nullptr : it->second.get();
}

void SDLCALL applyGains(int /*channel*/, void* stream, int len, void* udata) {
    auto* gains = static_cast<Gains*>(udata);
    const float left = gains->left.load(std::memory_order_relaxed);
    const float right = gains->right.load(std::memory_order_relaxed);
    auto* samples = static_cast<Sint16*>(stream);
    const int channels = gains->deviceChannels;
    const int frames = len / static_cast<int>(sizeof(Sint16)) / channels;
    if (frames <= 0) return;
    const float startLeft = gains->appliedLeft;
    const float startRight = gains->appliedRight;
    const bool steady = startLeft == left && startRight == right;
    for (int f = 0; f < frames; ++f) {
        float gl = left;
        float gr = right;
        if (!steady) {
            const float t = static_cast<float>(f + 1) / static_cast<float>(frames);
            gl = startLeft + (left - startLeft) * t;
            gr = startRight + (right - startRight) * t;
        }
        Sint16* frame = samples + static_cast<std::ptrdiff_t>(f) * channels;
        for (int c = 0; c < channels; ++c) {
            // Stereo gets left and right; any other layout is only made
            // louder or softer, by the quieter side's gain.
            const float g = channels == 2 ? (c == 0 ? gl : gr) : std::min(gl, gr);
            frame[c] = static_cast<Sint16>(roundToLong(frame[c] * g));
        }
    }
    gains->appliedLeft = left;
    gains->appliedRight = right;
}

void updateGains(Buffer& buffer) {
    const float level = levelToGain(buffer.volume);
    // Pan takes level off the side away from it, DirectSound style.
    const float leftCut = buffer.pan > 0 ? levelToGain(-buffer.pan) : 1.0f;
    const float rightCut = buffer.pan < 0 ? levelToGain(buffer.pan) : 1.0f;
    buffer.gains.left.store(level * leftCut, std::memory_order_relaxed);
    buffer.gains.right.store(level * rightCut, std::memory_order_relaxed);
}

bool decodeWav(const void* wav, std::size_t size, Source& out) {
    WavLayout layout;
    if (!checkWavImage(wav, size, &layout) || layout.riffEnd > static_cast<std::size_t>(INT32_MAX)) return false;
    SDL_RWops* rw = SDL_RWFromConstMem(wav, static_cast<int>(layout.riffEnd));
    if (rw == nullptr) return false;
    SDL_AudioSpec decoded;
    Uint8* raw = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(rw, 1, &decoded, &raw, &length) == nullptr) return false;
    const std::unique_ptr<Uint8, void (*)(Uint8*)> data(raw, SDL_FreeWAV);
    out.format = decoded.format;
    out.channels = decoded.channels;
    out.rate = decoded.freq;
    if (decoded.channels == 0 || decoded.freq <= 0 || SDL_AUDIO_BITSIZE(decoded.format) < 8) return false;
    const std::size_t frameBytes = out.frameBytes();
    const std::size_t whole = length / frameBytes * frameBytes;
    if (whole == 0) return false;
    out.bytes.assign(data.get(), data.get() + whole);
    return true;
}

// The file's samples as float frames with the device's channel layout, at
// the file's rate.  SDL does the format and channel conversion; with equal
// rates on both sides its stream does no resampling.
bool toDeviceLayout(const Source& source, const DeviceSpec& device, std::vector<float>& out) {
    const std::size_t frames = source.frames();
    SDL_AudioStream* stream = SDL_NewAudioStream(source.format, static_cast<Uint8>(source.channels), source.rate,
                                                 AUDIO_F32SYS, static_cast<Uint8>(device.channels), source.rate);
    if (stream == nullptr) return false;
    const std::size_t block = 4096 * source.frameBytes();
    bool ok = true;
    for (std::size_t at = 0; ok && at < source.bytes.size(); at += block) {
        const std::size_t n = std::min(block, source.bytes.size() - at);
        ok = SDL_AudioStreamPut(stream, source.bytes.data() + at, static_cast<int>(n)) == 0;
    }
    ok = ok && SDL_AudioStreamFlush(stream) == 0;
    const std::size_t samples = frames * static_cast<std::size_t>(device.channels);
    out.assign(samples, 0.0f);
    std::size_t have = 0;
    while (ok && have < samples) {
        const int want = static_cast<int>(std::min<std::size_t>(samples - have, 65536) * sizeof(float));
        const int got = SDL_AudioStreamGet(stream, out.data() + have, want);
        if (got <= 0) break;
        have += static_cast<std::size_t>(got) / sizeof(float);
    }
    SDL_FreeAudioStream(stream);
    return ok && have == samples;
}

// Windowed-sinc interpolation kernel, tabulated once.  Sixteen zero
// crossings each side with a Kaiser window keep aliasing and passband
// ripple far below what 16-bit output can show.
class SincKernel {
public:
    static constexpr int kZeroCrossings = 16;
    static constexpr int kSteps = 512;  // table entries per zero crossing

    SincKernel() : table_(kZeroCrossings * kSteps + 2, 0.0f) {
        constexpr double beta = 8.6;
        const double norm = besselI0(beta);
        for (int i = 0; i <= kZeroCrossings * kSteps; ++i) {
            const double u = static_cast<double>(i) / kSteps;
            const double x = u / kZeroCrossings;
            const double window = besselI0(beta * std::sqrt(std::max(0.0, 1.0 - x * x))) / norm;
            const double sinc = i == 0 ? 1.0 : std::sin(std::numbers::pi * u) / (std::numbers::pi * u);
            table_[static_cast<std::size_t>(i)] = static_cast<float>(sinc * window);
        }
    }

    // Kernel value at |u| zero crossings from the centre.
    float operator()(double u) const {
        u = std::abs(u) * kSteps;
        const auto i = static_cast<std::size_t>(u);
        if (i >= static_cast<std::size_t>(kZeroCrossings * kSteps)) return 0.0f;
        const float f = static_cast<float>(u - static_cast<double>(i));
        return table_[i] + (table_[i + 1] - table_[i]) * f;
    }

private:
    static double besselI0(double x) {
        double sum = 1.0;
        double term = 1.0;
        for (int k = 1; k < 50; ++k) {
            term *= (x / (2.0 * k)) * (x / (2.0 * k));
            sum += term;
            if (term < 1e-12 * sum) break;
        }
        return sum;
    }

    std::vector<float> table_;
};

const SincKernel& sincKernel() {
    static const SincKernel kernel;
    return kernel;
}

// Resamples interleaved float frames so that `inRate` becomes `outRate`.
// Circular input is treated as endlessly repeating, so the end of a loop
// blends into its start exactly as the middle of the sound would.
std::vector<float> resample(const std::vector<float>& in, int channels, int inRate, int outRate, bool circular) {
    const auto ch = static_cast<std::size_t>(channels);
    const std::size_t inFrames = in.size() / ch;
    const double step = static_cast<double>(inRate) / outRate;  // input frames per output frame
    const auto outFrames = static_cast<std::size_t>(std::llround(static_cast<double>(inFrames) / step));
    // Going down in rate, the kernel widens to cut what the new rate cannot carry.
    const double cutoff = std::min(1.0, 1.0 / step);
    const double reach = SincKernel::kZeroCrossings / cutoff;
    const SincKernel& kernel = sincKernel();

    // The input with room on both sides for the kernel's reach: silence, or
    // for a loop the other end of the loop.
    const auto margin = static_cast<std::size_t>(std::ceil(reach)) + 2;
    std::vector<float> padded((inFrames + 2 * margin) * ch, 0.0f);
    std::copy(in.begin(), in.end(), padded.begin() + static_cast<std::ptrdiff_t>(margin * ch));
    if (circular) {
        for (std::size_t i = 0; i < margin; ++i) {
            const std::size_t before = (inFrames - (margin - i) % inFrames) % inFrames;
            const std::size_t after = i % inFrames;
            std::copy_n(&in[before * ch], ch, &padded[i * ch]);
            std::copy_n(&in[after * ch], ch, &padded[(margin + inFrames + i) * ch]);
        }
    }

    std::vector<float> out(outFrames * ch, 0.0f);
    std::vector<float> acc(ch);
    for (std::size_t j = 0; j < outFrames; ++j) {
        const double t = static_cast<double>(j) * step + static_cast<double>(margin);
        const auto first = static_cast<std::size_t>(std::ceil(t - reach));
        const auto last = static_cast<std::size_t>(std::floor(t + reach));
        std::fill(acc.begin(), acc.end(), 0.0f);
        for (std::size_t k = first; k <= last; ++k) {
            const float w = kernel((t - static_cast<double>(k)) * cutoff);
            const float* frame = &padded[k * ch];
            for (std::size_t c = 0; c < ch; ++c) acc[c] += w * frame[c];
        }
        for (std::size_t c = 0; c < ch; ++c) out[j * ch + c] = acc[c] * static_cast<float>(cutoff);
    }
    return out;
}

// Converts the source, played at `rate`, to the device's format.  Music is
// resampled as a loop (see resample).
bool render(const Source& source, int rate, const DeviceSpec& device, bool circular, std::vector<Uint8>& out) {
    const std::size_t frames = source.frames();
    if (frames == 0 || device.format != AUDIO_S16SYS) return false;
    const double outFrames = static_cast<double>(frames) * device.rate / rate;
    if (outFrames * device.channels * sizeof(Sint16) > static_cast<double>(kMaxBytes)) return false;
    std::vector<float> samples;
    if (!toDeviceLayout(source, device, samples)) return false;
    if (rate != device.rate) samples = resample(samples, device.channels, rate, device.rate, circular);
    if (samples.empty()) return false;
    out.resize(samples.size() * sizeof(Sint16));
    auto* pcm = reinterpret_cast<Sint16*>(out.data());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // The inverse of SDL's 16-bit to float step, so 16-bit files at the
        // device's rate come out bit for bit.
        pcm[i] = static_cast<Sint16>(std::clamp(roundToLong(samples[i] * 32768.0f), -32768L, 32767L));
    }
    return true;
}

// Makes the buffer's chunk for `rate`.  The old chunk is only replaced once
// the new one exists, and only while the channel is silent.
bool makeChunk(Buffer& buffer, int rate) {
    std::vector<Uint8> pcm;
    if (!render(buffer.source, rate, lib().output, buffer.music, pcm)) return false;
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(pcm.data(), static_cast<Uint32>(pcm.size()));
    if (chunk == nullptr) return false;
    if (buffer.chunk != nullptr) {
        Mix_HaltChannel(buffer.channel);
        Mix_FreeChunk(buffer.chunk);
    }
    buffer.chunk = chunk;
    buffer.pcm = std::move(pcm);  // moving a vector keeps its storage, so chunk->abuf stays valid
    buffer.renderedRate = rate;
    return true;
}

int takeChannel() {
    Library& l = lib();
    if (!l.freeChannels.empty()) {
        // Lowest first keeps the channel count small.
        auto lowest = std::min_element(l.freeChannels.begin(), l.freeChannels.end());
        const int channel = *lowest;
        l.freeChannels.erase(lowest);
        return channel;
    }
    if (l.channelsInUse == l.channelsAllocated) {
        const int wanted = std::max(kInitialChannels, l.channelsAllocated * 2);
        if (Mix_AllocateChannels(wanted) != wanted) return -1;
        l.channelsAllocated = wanted;
    }
    return l.channelsInUse++;
}

void releaseBuffer(Buffer& buffer) noexcept {
    if (buffer.channel >= 0) {
        Mix_HaltChannel(buffer.channel);
        Mix_UnregisterAllEffects(buffer.channel);
    }
    if (buffer.chunk != nullptr) Mix_FreeChunk(buffer.chunk);
    buffer.chunk = nullptr;
    if (buffer.channel >= 0) {
        try {
            lib().freeChannels.push_back(buffer.channel);
        } catch (...) {
            // Out of memory: the channel just stays unused.
        }
    }
    buffer.channel = -1;
}

// Nothing may throw through the C interface; running out of memory while
// loading is just one more way for a load to fail.
DSHANDLE createBuffer(DSHANDLE device, const void* wav, std::size_t size, int flags) noexcept {
    Library& l = lib();
    if (device == 0 || device != l.device) return 0;
    std::unique_ptr<Buffer> buffer;
    try {
        buffer = std::make_unique<Buffer>();
        if (!decodeWav(wav, size, buffer->source)) return 0;
        buffer->music = flags == DS_FLAG_MUSIC;
        buffer->wantedRate = buffer->source.rate;
        buffer->gains.deviceChannels = l.output.channels;
        buffer->channel = takeChannel();
        if (buffer->channel < 0) return 0;
        if (!makeChunk(*buffer, buffer->source.rate)) {
            releaseBuffer(*buffer);
            return 0;
        }
        updateGains(*buffer);
        const DSHANDLE handle = l.newHandle();
        l.buffers.emplace(handle, std::move(buffer));
        return handle;
    } catch (...) {
        if (buffer) releaseBuffer(*buffer);
        return 0;
    }
}

void play(DSHANDLE handle, bool loop) noexcept {
    Buffer* buffer = findBuffer(handle);
    if (buffer == nullptr) return;
    const int channel = buffer->channel;
    // Halting first means the effect below is registered on an idle channel,
    // so not one sample of the new play escapes it.
    Mix_HaltChannel(channel);
    if (buffer->wantedRate != buffer->renderedRate) {
        bool converted = false;
        try {
            converted = makeChunk(*buffer, buffer->wantedRate);
        } catch (...) {
        }
        // A rate that cannot be had is dropped; the sound plays as before.
        if (!converted) buffer->wantedRate = buffer->renderedRate;
    }
    Mix_UnregisterEffect(channel, applyGains);
    Gains& gains = buffer->gains;
    gains.appliedLeft = gains.left.load(std::memory_order_relaxed);
    gains.appliedRight = gains.right.load(std::memory_order_relaxed);
    Mix_RegisterEffect(channel, applyGains, nullptr, &gains);
    Mix_PlayChannel(channel, buffer->chunk, loop || buffer->music ? -1 : 0);
}

// The library is a guest in the game's process: it starts and stops only
// SDL's audio, and leaves the process's signals alone (SDL would otherwise
// turn SIGINT and SIGTERM into events nobody reads, and the game could no
// longer be ended by them).
bool startAudio() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

void stopAudio() { SDL_QuitSubSystem(SDL_INIT_AUDIO); }

}  // namespace
}  // namespace mirelo::sound

using namespace mirelo::sound;

extern "C" {

DSHANDLE dsInitialize(void* /*window*/) {
    Library& l = lib();
    if (l.device != 0) return 0;
    if (!startAudio()) {
        stopAudio();
        return 0;
    }
    // Only the rate may differ from what we ask: the gain effect relies on
    // signed 16-bit stereo, and SDL converts for devices that want otherwise.
    if (Mix_OpenAudioDevice(kDeviceRate, AUDIO_S16SYS, kDeviceChannels, kDeviceFrames, nullptr,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        stopAudio();
        return 0;
    }
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || format != AUDIO_S16SYS || channels < 1 ||
        Mix_AllocateChannels(kInitialChannels) != kInitialChannels) {
        Mix_CloseAudio();
        stopAudio();
        return 0;
    }
    l.output = DeviceSpec{rate, format, channels};
    l.channelsAllocated = kInitialChannels;
    l.channelsInUse = 0;
    l.freeChannels.clear();
    l.device = l.newHandle();
    return l.device;
}

void dsTerminate(DSHANDLE device) {
    Library& l = lib();
    if (device == 0 || device != l.device) return;
    Mix_HaltChannel(-1);
    for (auto& entry : l.buffers) releaseBuffer(*entry.second);
    l.buffers.clear();
    l.freeChannels.clear();
    l.channelsInUse = 0;
    l.channelsAllocated = 0;
    l.device = 0;
    Mix_CloseAudio();
    Mix_Quit();
    stopAudio();
}

DSHANDLE dsCreateDSB(DSHANDLE device, const void* wav, size_t size, int flags) {
    return createBuffer(device, wav, size, flags);
}

DSHANDLE dsCreateResDSB(DSHANDLE device, const char* name, int flags) {
    if (name == nullptr || device == 0 || device != lib().device) return 0;
    std::FILE* file = std::fopen(name, "rb");
    if (file == nullptr) return 0;
    std::vector<unsigned char> bytes;
    bool ok = true;
    try {
        unsigned char block[65536];
        std::size_t got = 0;
        while (ok && (got = std::fread(block, 1, sizeof block, file)) > 0) {
            ok = bytes.size() + got <= kMaxBytes;
            if (ok) bytes.insert(bytes.end(), block, block + got);
        }
    } catch (...) {
        ok = false;
    }
    ok = ok && std::ferror(file) == 0;
    std::fclose(file);
    return ok ? createBuffer(device, bytes.data(), bytes.size(), flags) : 0;
}

void dsFree(DSHANDLE handle) {
    auto& buffers = lib().buffers;
    auto it = handle == 0 ? buffers.end() : buffers.find(handle);
    if (it == buffers.end()) return;
    releaseBuffer(*it->second);
    buffers.erase(it);
}

void dsPlay(DSHANDLE buffer) { play(buffer, false); }

void dsPlayLooping(DSHANDLE buffer) { play(buffer, true); }

void dsStop(DSHANDLE handle) {
    if (Buffer* buffer = findBuffer(handle)) Mix_HaltChannel(buffer->channel);
}

void dsPlayPan(DSHANDLE buffer, int pan) {
    dsSetPan(buffer, pan);
    play(buffer, false);
}

void dsPlayEx(DSHANDLE buffer, int volume, int pan) {
    dsSetVolume(buffer, volume);
    dsSetPan(buffer, pan);
    play(buffer, false);
}

void dsPlayLoopingEx(DSHANDLE buffer, int volume, int pan) {
    dsSetVolume(buffer, volume);
    dsSetPan(buffer, pan);
    play(buffer, true);
}

void dsSetVolume(DSHANDLE handle, int volume) {
    if (Buffer* buffer = findBuffer(handle)) {
        buffer->volume = clampLevel(volume, -10000, 0);
        updateGains(*buffer);
    }
}

void dsSetPan(DSHANDLE handle, int pan) {
    if (Buffer* buffer = findBuffer(handle)) {
        buffer->pan = clampLevel(pan, -10000, 10000);
        updateGains(*buffer);
    }
}

void dsSetFrequency(DSHANDLE handle, int hertz) {
    Buffer* buffer = findBuffer(handle);
    if (buffer == nullptr) return;
    if (hertz == 0) hertz = buffer->source.rate;
    if (hertz < kMinRate || hertz > kMaxRate) return;
    // Refuse a rate whose conversion would be too large, here rather than at
    // the next play, so the buffer keeps a rate it can actually play.
    const double bytes = static_cast<double>(buffer->source.frames()) * lib().output.rate / hertz *
                         SDL_AUDIO_BITSIZE(lib().output.format) / 8 * lib().output.channels;
    if (bytes > static_cast<double>(kMaxBytes)) return;
    buffer->wantedRate = hertz;
}

}  // extern "C"
