// The settings file "Mirelo.ini" (where the platform keeps it): four Shift_JIS lines
// for the background, move guidance, the elapsed-time display and the music.
// It is read once at start-up and rewritten after every option change.

#include <filesystem>
#include <vector>

#include "files/ShiftJis.h"
#include "files/TextFile.h"
#include "game/Form1.h"

namespace {

struct BackgroundLine {
    const char* text;
    int kind;
    int item;
};
constexpr BackgroundLine BACKGROUND_LINES[] = {
    {"背景画=緑", Form1::BG_MIDORI, Menu::MIDORI}, {"背景画=竹", Form1::BG_TAKE, Menu::TAKE},
    {"背景画=畳", Form1::BG_TATAMI, Menu::TATAMI}, {"背景画=宇宙", Form1::BG_UCHU, Menu::UCHU},
    {"背景画=煉瓦", Form1::BG_RENGA, Menu::RENGA},
};

// Written as a fifth line only when the player turned the keeping of games off.
constexpr const char* KEEPING_OFF = "対局保存=OFF";

// Five short lines; a file far larger is no settings file of ours.
constexpr std::size_t MAX_SETTINGS_BYTES = 4096;

const std::vector<std::string> DEFAULT_LINES = {"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"};

// A raw line of the file against a text of the program.
bool lineIs(const std::string& raw, const char* utf8) {
    const auto decoded = sjis::toUtf8(raw);
    return decoded && *decoded == utf8;
}

// The settings' folder is made when the game first writes there.
void writeSettings(const std::string& path, const std::vector<std::string>& lines) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    textfile::writeLines(path, lines);
}

}  // namespace

void Form1::読込_環境設定ファイル() {
    std::vector<std::string> lines;
    const bool readable =
        textfile::readLines(platform.settingsFile(), lines, MAX_SETTINGS_BYTES) == files::ReadResult::Read;
    const auto line = [&](size_t i) -> const std::string* {
        return readable && i < lines.size() ? &lines[i] : nullptr;
    };

    bool complete = false;
    if (const std::string* l1 = line(0)) {
        for (const BackgroundLine& b : BACKGROUND_LINES)
            if (lineIs(*l1, b.text)) {
                チェック設定(b.kind);
                描画_背景(b.kind);
                backgroundKind = b.kind;
            }
        if (const std::string* l2 = line(1)) {
            const bool guide = lineIs(*l2, "移動指導=ON");
            guideColor = guide ? textColor : lineColor;
            setChecked(Menu::SIDOU, guide);
            guideOn = guide ? ON : OFF;
            if (const std::string* l3 = line(2)) {
                setChecked(Menu::KEIKA, lineIs(*l3, "経過時間=ON"));
                if (const std::string* l4 = line(3)) {
                    const bool music = lineIs(*l4, "BGM=ON");
                    setChecked(Menu::BGM, music);
                    if (music) loopSound(sndMusic);
                    complete = true;
                }
            }
        }
    }
    if (complete) {
        // A fifth line only turns the keeping of games off; a file of four
        // lines (every file before it) keeps them.
        const std::string* l5 = line(4);
        setChecked(Menu::HOZON, !(l5 && lineIs(*l5, KEEPING_OFF)));
        return;
    }

    // Missing, short or unreadable: start again from the defaults.
    writeSettings(platform.settingsFile(), DEFAULT_LINES);
    チェック設定(BG_MIDORI);
    描画_背景(BG_MIDORI);
    backgroundKind = BG_MIDORI;
    setChecked(Menu::SIDOU, false);
    setChecked(Menu::KEIKA, true);
    setChecked(Menu::BGM, true);
    setChecked(Menu::HOZON, true);
}

void Form1::書込_環境設定ファイル() {
    std::vector<std::string> lines;
    for (const BackgroundLine& b : BACKGROUND_LINES)
        if (isChecked(b.item)) {
            lines.push_back(b.text);
            break;
        }
    lines.push_back(isChecked(Menu::SIDOU) ? "移動指導=ON" : "移動指導=OFF");
    lines.push_back(isChecked(Menu::KEIKA) ? "経過時間=ON" : "経過時間=OFF");
    lines.push_back(isChecked(Menu::BGM) ? "BGM=ON" : "BGM=OFF");
    if (!isChecked(Menu::HOZON)) lines.push_back(KEEPING_OFF);
    // A file that cannot be written stays as it was, and the menu goes on
    // showing the options in force.
    writeSettings(platform.settingsFile(), lines);
}
