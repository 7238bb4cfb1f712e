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
    explicit Module1(Platform& platform) : platform(platform) {}

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
