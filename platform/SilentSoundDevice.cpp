#include "platform/SilentSoundDevice.h"

#include "sound/wav_image.h"

namespace {

// The one device of the process, shared by every silent device as the
// library's is; handle numbers are never reused.
bool deviceTaken = false;
DSHANDLE lastHandle = 0;

}  // namespace

SilentSoundDevice::~SilentSoundDevice() { terminate(device); }

DSHANDLE SilentSoundDevice::initialize() {
    if (deviceTaken) return 0;
    deviceTaken = true;
    device = ++lastHandle;
    return device;
}

void SilentSoundDevice::terminate(DSHANDLE handle) {
    if (handle == 0 || handle != device) return;
    device = 0;
    deviceTaken = false;
}

DSHANDLE SilentSoundDevice::createBuffer(DSHANDLE handle, const void* wav, std::size_t size) {
    if (handle == 0 || handle != device || !mirelo::sound::checkWavImage(wav, size, nullptr)) return 0;
    return ++lastHandle;
}
