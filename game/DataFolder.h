#pragma once
// Where the game's pictures and sounds live: beside an installed program
// (<prefix>/share/mirelo next to <prefix>/bin), else in the source tree's
// assets folder the program was built from.

#include <string>

std::string dataFolder();
