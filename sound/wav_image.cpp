#include "wav_image.h"

#include <cstring>

namespace mirelo::sound {
namespace {

constexpr std::uint16_t kPcm = 0x0001;
constexpr std::uint16_t kMsAdpcm = 0x0002;
constexpr std::uint16_t kFloat = 0x0003;
constexpr std::uint16_t kALaw = 0x0006;
constexpr std::uint16_t kMuLaw = 0x0007;
constexpr std::uint16_t kImaAdpcm = 0x0011;
constexpr std::uint16_t kExtensible = 0xFFFE;

// Sounds of a game: telephone quality up to studio rates, minutes at most.
constexpr std::uint32_t kMinRate = 4000;
constexpr std::uint32_t kMaxRate = 192000;
constexpr std::uint64_t kMaxSeconds = 300;

// The frames the data holds (an upper bound for the compressed encodings).
std::uint64_t frameCount(const WavLayout& layout) {
    return std::uint64_t{layout.dataBytes} * 8 / (std::uint64_t{layout.bitsPerSample} * layout.channels);
}

std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool sameId(const unsigned char* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

// Checks the "fmt " chunk body; the decoder would accept more, but these are
// the encodings we promise to play, and anything else is more likely damage
// than a sound.
bool readFormat(const unsigned char* p, std::uint32_t size, WavLayout& out) {
    if (size < 16) return false;
    std::uint16_t tag = le16(p);
    const std::uint16_t channels = le16(p + 2);
    const std::uint32_t rate = le32(p + 4);
    const std::uint16_t blockAlign = le16(p + 12);
    const std::uint16_t bits = le16(p + 14);
    if (tag == kExtensible) {
        // cbSize, valid bits, channel mask, then the sub-format GUID whose
        // first two bytes are the real format tag.
        if (size < 40 || le16(p + 16) < 22) return false;
        tag = le16(p + 24);
    }
    if (channels < 1 || channels > 8) return false;
    if (rate < kMinRate || rate > kMaxRate) return false;
    if (blockAlign == 0) return false;
    switch (tag) {
    case kPcm:
        if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
        if (blockAlign != channels * (bits / 8)) return false;
        break;
    case kFloat:
        if (bits != 32 && bits != 64) return false;
        if (blockAlign != channels * (bits / 8)) return false;
        break;
    case kALaw:
    case kMuLaw:
        if (bits != 8 || blockAlign != channels) return false;
        break;
    case kMsAdpcm:
    case kImaAdpcm:
        if (bits != 4 || blockAlign < 4 * channels) return false;
        break;
    default: return false;
    }
    out.encoding = tag;
    out.channels = channels;
    out.sampleRate = rate;
    out.blockAlign = blockAlign;
    out.bitsPerSample = bits;
    return true;
}

}  // namespace

bool checkWavImage(const void* image, std::size_t size, WavLayout* layout) {
    const auto* p = static_cast<const unsigned char*>(image);
    if (p == nullptr || size < 12) return false;
    if (!sameId(p, "RIFF") || !sameId(p + 8, "WAVE")) return false;
    const std::uint32_t riffSize = le32(p + 4);
    // A RIFF size larger than the image means the file was cut short.
    if (riffSize < 4 || riffSize > size - 8) return false;
    const std::size_t end = std::size_t{8} + riffSize;

    WavLayout found;
    found.riffEnd = end;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t pos = 12;
    while (!haveData && end - pos >= 8) {
        const unsigned char* header = p + pos;
        const std::uint32_t chunkSize = le32(header + 4);
        pos += 8;
        if (chunkSize > end - pos) return false;  // chunk runs past the file
        if (sameId(header, "fmt ")) {
            if (haveFormat || !readFormat(p + pos, chunkSize, found)) return false;
            haveFormat = true;
        } else if (sameId(header, "data")) {
            if (!haveFormat) return false;
            if (chunkSize < found.blockAlign) return false;  // not one frame
            found.dataBytes = chunkSize;
            haveData = true;
        }
        // Chunks are word aligned; a missing pad byte after the last one is
        // common and harmless.
        const std::size_t step = std::size_t{chunkSize} + (chunkSize & 1u);
        if (step >= end - pos) break;
        pos += step;
    }
    if (!haveFormat || !haveData) return false;
    if (frameCount(found) > kMaxSeconds * found.sampleRate) return false;
    if (layout != nullptr) *layout = found;
    return true;
}

}  // namespace mirelo::sound
