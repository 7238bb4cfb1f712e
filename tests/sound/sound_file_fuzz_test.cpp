// The library against damaged and hostile WAV images: thousands of images
// made from good ones by changing header fields (rates, sizes, channel
// counts, encodings), cutting and flipping bytes. None may crash it, read past
// the image (the sanitizer build watches), or cost more than a sound of the
// game could: the library's memory stays bounded whatever a file claims.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <random>

#include "sound_test_support.h"

namespace soundtest {
namespace {

// A game's sound at most converts to some tens of megabytes; a file claiming
// anything must not make the process grow past this.
constexpr long MAX_GROWTH_KIB = 400 * 1024;

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class Mutator {
public:
    explicit Mutator(unsigned seed) : random(seed) {}

    Bytes mutate(Bytes wav) {
        for (int rounds = 1 + pick(3); rounds > 0; --rounds) once(wav);
        return wav;
    }

private:
    std::mt19937 random;
    int pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

    static void put(Bytes& wav, std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes && at + static_cast<std::size_t>(i) < wav.size(); ++i)
            wav[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    std::uint32_t anyValue() {
        const std::uint32_t telling[] = {0, 1, 2, 5, 7, 255, 4000, 44100, 192001, 0x7FFFFFFF, 0xFFFFFFFF};
        return pick(2) == 0 ? telling[pick(11)] : static_cast<std::uint32_t>(random());
    }

    void once(Bytes& wav) {
        switch (pick(9)) {
        case 0: put(wav, 24, anyValue(), 4); break;                                          // sample rate
        case 1: put(wav, 22, anyValue(), 2); break;                                          // channels
        case 2: put(wav, 20, anyValue(), 2); break;                                          // encoding
        case 3: put(wav, 32 + 2 * static_cast<std::size_t>(pick(2)), anyValue(), 2); break;  // block, bits
        case 4: put(wav, 4, anyValue(), 4); break;                                           // RIFF size
        case 5: put(wav, 40, anyValue(), 4); break;                                          // data size
        case 6: wav.resize(static_cast<std::size_t>(pick(static_cast<int>(wav.size()) + 1))); break;
        case 7:
            if (!wav.empty())
                wav[static_cast<std::size_t>(pick(static_cast<int>(wav.size())))] ^=
                    static_cast<std::uint8_t>(1u << pick(8));
            break;
        default: put(wav, 16, anyValue(), 4); break;  // fmt chunk size
        }
    }
};

using SoundFileFuzz = DiskDevice;

TEST_F(SoundFileFuzz, NoImageCrashesOrBloatsTheLibrary) {
    Bytes eightBit = chunk("fmt ", fmtPayload(1, 1, 11025, 8));
    const Bytes data = chunk("data", Bytes(999, 0x80));
    eightBit.insert(eightBit.end(), data.begin(), data.end());
    const Bytes seeds[] = {
        wav16(44100, 1, constant(3000, 8000)),
        wav16(22050, 2, sine(440, 8000, 3000, 22050)),
        riff(eightBit),
    };
    Mutator mutator(20261208);
    const long before = peakKiB();
    int accepted = 0;
    for (int i = 0; i < 3000; ++i) {
        const Bytes wav = mutator.mutate(seeds[i % 3]);
        const DSHANDLE buffer = dsCreateDSB(device, wav.data(), wav.size(), i % 2 ? DS_FLAG_EFFECT : DS_FLAG_MUSIC);
        if (buffer != 0) {
            ++accepted;
            dsPlay(buffer);
            dsFree(buffer);
        }
        ASSERT_LT(peakKiB() - before, MAX_GROWTH_KIB) << "image " << i;
    }
    EXPECT_GT(accepted, 0);
    RecordProperty("accepted", accepted);
}

}  // namespace
}  // namespace soundtest
