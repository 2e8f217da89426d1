#include "VirtualDrive.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;
namespace vw = platform::headless;

void VirtualDriveTest::SetUp()
{
    std::string pattern = (fs::temp_directory_path() / "platform-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    hostRoot_ = pattern;
    driveC_ = hostRoot_ + "/c";
    vw::Reset();
    vw::MapDrive('C', driveC_, platform::DriveFixed);
}

void VirtualDriveTest::TearDown()
{
    vw::Reset();
    std::error_code ignored;
    fs::permissions(hostRoot_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(hostRoot_, ignored);
}

std::string VirtualDriveTest::HostFolder(const std::string& name) const { return hostRoot_ + "/" + name; }

void VirtualDriveTest::WriteHostFile(const std::string& hostPath, const std::string& content) const
{
    fs::create_directories(fs::path(hostPath).parent_path());
    std::ofstream(hostPath, std::ios::binary) << content;
}

std::string VirtualDriveTest::ReadHostFile(const std::string& hostPath) const
{
    std::ifstream in(hostPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void VirtualDriveTest::MakeFile(const std::string& windowsPath, const std::string& content)
{
    std::string host = vw::HostPath(windowsPath);
    ASSERT_FALSE(host.empty()) << windowsPath;
    WriteHostFile(host, content);
}

std::string VirtualDriveTest::ReadFile(const std::string& windowsPath) const
{
    return ReadHostFile(vw::HostPath(windowsPath));
}
