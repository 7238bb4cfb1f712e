#pragma once
// The file panel's drives: on this system, the mounted file systems that can
// hold a player's files.

#include <string>
#include <vector>

namespace os {

// Mounted file systems, root first.
std::vector<std::string> mountedDrives();
// The mounted file system a folder lies on.
std::string driveOf(const std::string& path);

}  // namespace os
