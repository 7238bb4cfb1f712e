#pragma once
// The sound device of a run without a screen: it plays nothing, but it hands
// out and checks handles and WAV images exactly as the sound library does, so
// a scenario's trace (the sound error messages included) is the same as the
// window's. Like the library, a process has at most one device open.

#include <cstddef>

#include "platform/Platform.h"

class SilentSoundDevice {
public:
    SilentSoundDevice() = default;
    SilentSoundDevice(const SilentSoundDevice&) = delete;
    SilentSoundDevice& operator=(const SilentSoundDevice&) = delete;
    ~SilentSoundDevice();

    DSHANDLE initialize();
    void terminate(DSHANDLE device);
    // A buffer for a whole, playable WAV image; 0 for anything else. Buffers
    // hold nothing, so freeing one is nothing to do.
    DSHANDLE createBuffer(DSHANDLE device, const void* wav, std::size_t size);

private:
    DSHANDLE device = 0;
};
