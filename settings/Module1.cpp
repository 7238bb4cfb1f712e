#include "settings/Module1.h"

#include "game/DataFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

std::string Module1::soundPath(const std::string& fileName) {
    std::error_code error;
    if (std::filesystem::exists(fileName, error)) return fileName;
    return dataFolder() + "/sounds/" + fileName;
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
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.good() && !file.eof()) {
        ShowSoundError(fileName + " を読み込めません。");
        return 0;
    }
    return platform.dsCreateDSB(soundDevice, bytes.data(), bytes.size(), flags);
}

void Module1::ShowSoundError(const std::string& text) {
    platform.messageBox("Mirelo.dll", text, BoxButtons::Ok, BoxIcon::Exclamation);
}

void Module1::TermSound() {
    if (soundDevice != 0) platform.dsTerminate(soundDevice);
    soundDevice = 0;
}
