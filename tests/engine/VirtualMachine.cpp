#include "VirtualMachine.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;
namespace vw = platform::headless;

void VirtualMachineTest::SetUp()
{
    std::string pattern = (fs::temp_directory_path() / "engine-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    hostRoot_ = pattern;
    vw::Reset();
}

void VirtualMachineTest::TearDown()
{
    vw::Reset();
    std::error_code ignored;
    fs::remove_all(hostRoot_, ignored);
}

void VirtualMachineTest::MapDrive(char letter, int driveType)
{
    vw::MapDrive(letter, hostRoot_ + "/" + letter, driveType);
}

void VirtualMachineTest::MakeDir(const std::string& windowsPath)
{
    fs::create_directories(vw::HostPath(windowsPath));
}

void VirtualMachineTest::MakeFile(const std::string& windowsPath, const std::vector<std::uint8_t>& content)
{
    fs::path host = vw::HostPath(windowsPath);
    fs::create_directories(host.parent_path());
    std::ofstream out(host, std::ios::binary);
    out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
}

bool VirtualMachineTest::HostExists(const std::string& windowsPath) const
{
    return fs::exists(vw::HostPath(windowsPath));
}

std::vector<std::uint8_t> VirtualMachineTest::ReadFile(const std::string& windowsPath) const
{
    std::ifstream in(vw::HostPath(windowsPath), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> VirtualMachineTest::ListDir(const std::string& windowsPath) const
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(vw::HostPath(windowsPath)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
