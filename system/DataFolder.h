#pragma once
// Where the game's pictures and sounds live: share/mirelo beside the folder
// of the running program. An installed game has them at <prefix>/share/mirelo;
// the build folder links them there from the source tree.

#include <string>

namespace os {

std::string dataFolder();

}  // namespace os
