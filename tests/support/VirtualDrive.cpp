#include "VirtualDrive.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;
namespace vw = platform::headless;

void VirtualDriveTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "pictoro-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    hostRoot_ = pattern;
    vw::Reset();
    MapDrive('C', platform::DriveFixed);
    driveC_ = HostFolder("C");
}

void VirtualDriveTest::TearDown() {
    vw::Reset();
    std::error_code ignored;
    fs::permissions(hostRoot_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(hostRoot_, ignored);
}

void VirtualDriveTest::MapDrive(char letter, int driveType) {
    vw::MapDrive(letter, HostFolder(std::string(1, letter)), driveType);
}

std::string VirtualDriveTest::HostFolder(const std::string& name) const {
    return hostRoot_ + "/" + name;
}

void VirtualDriveTest::WriteHostFile(const std::string& hostPath, const std::string& content) const {
    fs::create_directories(fs::path(hostPath).parent_path());
    std::ofstream(hostPath, std::ios::binary) << content;
}

std::string VirtualDriveTest::ReadHostFile(const std::string& hostPath) const {
    std::ifstream in(hostPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void VirtualDriveTest::MakeDir(const std::string& windowsPath) const {
    fs::create_directories(vw::HostPath(windowsPath));
}

void VirtualDriveTest::MakeFile(const std::string& windowsPath, const std::string& content) const {
    std::string host = vw::HostPath(windowsPath);
    ASSERT_FALSE(host.empty()) << windowsPath;
    WriteHostFile(host, content);
}

bool VirtualDriveTest::Exists(const std::string& windowsPath) const {
    return fs::exists(vw::HostPath(windowsPath));
}

std::string VirtualDriveTest::ReadFile(const std::string& windowsPath) const {
    return ReadHostFile(vw::HostPath(windowsPath));
}

std::vector<std::string> VirtualDriveTest::ListDir(const std::string& windowsPath) const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(vw::HostPath(windowsPath)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
