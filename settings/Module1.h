#pragma once
// The thin layer between the game and the sound library: it opens the sound
// device once, turns WAV files into library buffers and reports failures.

#include <string>

#include "platform/Platform.h"

// One of the game's sounds: its file and the library buffer made from it
// (0 when the file is missing, there is no device, or loading failed).
struct SoundBuffer {
    const char* file;
    DSHANDLE handle = 0;
};

class Module1 {
public:
    // How the sound library plays a buffer.
    static constexpr int MUSIC = 1;   // looped background music
    static constexpr int EFFECT = 3;  // played once

    explicit Module1(Platform& host) : platform(host) {}
    // The device stays with the original: a copy has none.
    Module1(const Module1& other) : platform(other.platform) {}

    DSHANDLE soundDevice = 0;

    void InitSound(void* window);
    DSHANDLE LoadSound(const std::string& fileName, int flags);
    void ShowSoundError(const std::string& text);
    void TermSound();

    // Where a sound file is read from: the current directory, else the
    // game's data folder.
    static std::string soundPath(const std::string& fileName);

private:
    Platform& platform;
};
