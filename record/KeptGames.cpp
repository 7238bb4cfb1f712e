// Every game is kept: when a game with moves ends, is left for another or is
// open when the program ends, its record goes as KIFU into the platform's
// folder for kept games (in the window, ~/.local/share/mirelo/games), named
// by the date and time the game began. Nothing the player does is needed, and
// nothing is asked: keeping a game never stops the game or the program.

#include <cstdio>
#include <filesystem>

#include "files/SafeWrite.h"
#include "game/Form1.h"
#include "record/KifRecord.h"
#include "record/KifWriter.h"

namespace {

namespace fs = std::filesystem;

// "2026-12-08_14-03-22", or a plain name when the start is not known.
std::string nameOf(const std::optional<DateTime>& start) {
    if (!start) return "game";
    char name[32];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d", start->year, start->month, start->day,
                  start->hour, start->minute, start->second);
    return name;
}

// A name no kept game has yet: two games begun in the same second both stay.
fs::path freePath(const fs::path& folder, const std::string& name) {
    constexpr const char* EXTENSION = ".kifu";
    fs::path path = folder / (name + EXTENSION);
    std::error_code error;
    for (int n = 2; fs::exists(path, error); ++n) path = folder / (name + "-" + std::to_string(n) + EXTENSION);
    return path;
}

}  // namespace

void Form1::keepGame(int last) {
    if (gameKept || last < 1 || !isChecked(Menu::HOZON)) return;
    const std::string folder = platform.keptGamesFolder();
    if (folder.empty()) return;
    gameKept = true;
    std::error_code error;
    fs::create_directories(folder, error);
    const auto bytes = kif::writeKif(kif::gameOfRecord(*this, last, {}), kif::Format::Kifu);
    if (bytes) files::writeFileSafely(freePath(folder, nameOf(recordStartTime)).string(), *bytes);
}

void Form1::HOZON_Click() {
    setChecked(Menu::HOZON, !isChecked(Menu::HOZON));
    書込_環境設定ファイル();
}
