// The file panel: which of its controls are shown, the texts of its boxes and
// the drive and folder the lists look at.

#include "record/FilePanel.h"

#include <algorithm>
#include <filesystem>

#include "game/Form1.h"
#include "record/KifEncoding.h"
#include "system/MountedDrives.h"

namespace fs = std::filesystem;

void FilePanel::startIn(const std::string& folder) {
    dirPath = folder;
    filePath = folder;
    drive = os::driveOf(folder);
}

std::vector<std::string> FilePanel::folders() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(dirPath, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> FilePanel::files() const {
    std::vector<std::string> names;
    // Names are bytes: they are listed as they are on disk, whatever their encoding.
    const auto endsWith = [](const std::string& name, const std::string& extension) {
        return name.size() > extension.size() &&
               name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
    };
    const auto isRecordName = [&](const std::string& name) {
        return endsWith(name, FILE_EXTENSION) || endsWith(name, FILE_EXTENSION_SJIS) ||
               kif::formatOfFileName(name).has_value();
    };
    std::error_code error;
    for (fs::directory_iterator it(filePath, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(typeError) && isRecordName(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void Form1::描画_可視(PanelLists lists) {
    filePanel.drive1Visible = lists.drive;
    filePanel.dir1Visible = lists.folder;
    filePanel.file1Visible = lists.files;
    platform.panelChanged(filePanel);
}

void Form1::描画_棋譜_IO(PanelTexts texts) {
    if (texts == PanelTexts::Shown) {
        filePanel.textVisible = true;
    } else {
        for (std::string& text : filePanel.text) text.clear();
        filePanel.textVisible = false;
    }
    platform.panelChanged(filePanel);
}

void Form1::closeFilePanel() {
    描画_可視(NO_LISTS);
    描画_棋譜_IO(PanelTexts::Cleared);
}

void Form1::setPanelText(int box, const std::string& text) {
    if (box < FILE_NAME_BOX || box > PANEL_TEXT_BOXES || filePanel.text[box] == text) return;
    filePanel.text[box] = text;
    platform.panelChanged(filePanel);
}

void Form1::KIFU_READ_Click() {
    描画_可視(READING_LISTS);
    描画_棋譜_IO(PanelTexts::Cleared);
}

void Form1::Drive1_Change(const std::string& drive) {
    filePanel.drive = drive;
    std::error_code error;
    if (!fs::is_directory(drive, error)) {
        platform.messageBox("ｴﾗｰ", "ﾃﾞﾊﾞｲｽが準備できていません", BoxButtons::Ok);
        platform.panelChanged(filePanel);
        return;
    }
    Dir1_Change(drive);
}

void Form1::Dir1_Change(const std::string& path) {
    std::error_code error;
    if (!fs::is_directory(path, error)) return;  // the list keeps its folder
    filePanel.dirPath = path;
    filePanel.filePath = path;
    platform.panelChanged(filePanel);
}

void Form1::描画_棋譜読込み部分消去() {
    描画_桝_数値();
    描画_絵(backgroundKind, -1, 10);
    描画_絵(backgroundKind, 0, 10);
    for (int x = 1; x <= boardSize; ++x) {
        描画_絵(backgroundKind, x, 10);
        描画_桝輪郭(lineColor, x, 9);
    }
}
