#include "HostFiles.h"

#include <algorithm>
#include <filesystem>

#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace {
constexpr char HostRootDrive = 'Z';
}

void MapHostRoot() {
    platform::headless::MapDrive(HostRootDrive, "/", platform::DriveFixed);
}

std::string WindowsPathFor(const std::string& hostPath) {
    std::string path = std::filesystem::absolute(hostPath).lexically_normal().string();
    std::replace(path.begin(), path.end(), '/', '\\');
    return std::string(1, HostRootDrive) + ":" + path;
}
