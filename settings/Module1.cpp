#include "settings/Module1.h"

#include <filesystem>

#include "files/MappedFile.h"
#include "system/DataFolder.h"

namespace {

// Minutes of CD-quality music; anything larger is no sound of this game.
constexpr std::size_t MAX_SOUND_FILE_BYTES = std::size_t{64} << 20;

}  // namespace

std::string Module1::soundPath(const std::string& fileName) {
    std::error_code error;
    // Only a regular file counts: anything else of that name is as if missing.
    if (std::filesystem::is_regular_file(fileName, error)) return fileName;
    return os::dataFolder() + "/sounds/" + fileName;
}

void Module1::InitSound(void* window) {
    soundDevice = platform.dsInitialize(window);
    if (soundDevice == 0) ShowSoundError("Direct Soundインターフェースが作成できません。");
}

DSHANDLE Module1::LoadSound(const std::string& fileName, int flags) {
    if (soundDevice == 0) return 0;
    const std::string path = soundPath(fileName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return 0;
    // A file anyone may have put in the working folder: one that cannot be
    // read, or is no sound the device plays, is said so and stays silent.
    files::MappedFile file;
    DSHANDLE buffer = 0;
    if (file.map(path, MAX_SOUND_FILE_BYTES) == files::ReadResult::Read)
        buffer = platform.dsCreateDSB(soundDevice, file.data(), file.size(), flags);
    if (buffer == 0) ShowSoundError(fileName + " を読み込めません。");
    return buffer;
}

void Module1::ShowSoundError(const std::string& text) {
    platform.messageBox("Mirelo.dll", text, BoxButtons::Ok, BoxIcon::Exclamation);
}

void Module1::TermSound() {
    if (soundDevice != 0) platform.dsTerminate(soundDevice);
    soundDevice = 0;
}
