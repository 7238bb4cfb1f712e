#include "system/MountedDrives.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace os {
namespace {

// File systems that hold no user files.
bool isPseudoFileSystem(const std::string& type) {
    static const char* const PSEUDO[] = {"proc",     "sysfs",  "cgroup",  "cgroup2",   "devpts",  "mqueue",
                                         "debugfs",  "tracefs", "securityfs", "pstore", "bpf",     "autofs",
                                         "hugetlbfs", "configfs", "fusectl", "binfmt_misc", "devtmpfs", "nsfs",
                                         "efivarfs", "rpc_pipefs", "overlay"};
    return std::find(std::begin(PSEUDO), std::end(PSEUDO), type) != std::end(PSEUDO);
}

// /proc/mounts escapes blanks and a few other characters as octal.
std::string unescapeMountPath(const std::string& path) {
    std::string out;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' && i + 3 < path.size()) {
            const std::string digits = path.substr(i + 1, 3);
            if (digits.size() == 3 && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += path[i];
    }
    return out;
}

}  // namespace

std::vector<std::string> mountedDrives() {
    std::vector<std::string> mounts;
    std::ifstream table("/proc/self/mounts");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string device, path, type;
        if (!(fields >> device >> path >> type)) continue;
        path = unescapeMountPath(path);
        if (path == "/" || isPseudoFileSystem(type)) continue;
        if (std::find(mounts.begin(), mounts.end(), path) == mounts.end()) mounts.push_back(path);
    }
    std::sort(mounts.begin(), mounts.end());
    mounts.insert(mounts.begin(), "/");
    return mounts;
}

std::string driveOf(const std::string& path) {
    std::string best = "/";
    for (const std::string& mount : mountedDrives()) {
        const bool inside = path == mount || (path.rfind(mount, 0) == 0 && path.size() > mount.size() &&
                                              (mount.back() == '/' || path[mount.size()] == '/'));
        if (inside && mount.size() > best.size()) best = mount;
    }
    return best;
}

}  // namespace os
