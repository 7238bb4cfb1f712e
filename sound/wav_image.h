// Structural check of a WAV file image held in memory, done before any
// decoder sees the bytes, so that a damaged or hostile image is turned away
// without anything being read past its end.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mirelo::sound {

struct WavLayout {
    std::size_t riffEnd = 0;     // bytes of the image that belong to the RIFF form
    std::uint16_t encoding = 0;  // fmt chunk's format tag (extensible resolved)
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
};

// True when the image is a whole RIFF/WAVE file: the RIFF size fits in the
// image, every chunk up to it fits, a sensible "fmt " chunk comes before a
// "data" chunk that holds at least one block, and the sound is one a game
// plays: a rate between 4 and 192 kHz and at most five minutes long, so that
// no file can ask for a huge conversion.  Fills *layout when given.
bool checkWavImage(const void* image, std::size_t size, WavLayout* layout);

}  // namespace mirelo::sound
