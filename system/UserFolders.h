#pragma once
// Where Linux keeps a user's files for a program (the XDG base directories),
// for the game in its window: settings in the configuration folder, kept
// games in the data folder, each in a folder named for the game.

#include <string>

namespace os {

// The settings file of that name: one in the working folder is used where it
// stands (a portable copy keeps working); otherwise the one in
// $XDG_CONFIG_HOME/mirelo, else ~/.config/mirelo.
std::string settingsFile(const std::string& fileName);

// $XDG_DATA_HOME/mirelo, else ~/.local/share/mirelo.
std::string dataHome();

}  // namespace os
