// A fresh virtual Windows for each test: drives mapped to folders of a temporary host
// directory, removed again at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

class VirtualMachineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Maps a drive letter to a new host folder of the given Drive* type.
    void MapDrive(char letter, int driveType);
    // Creates a file (and its missing folders) at a Windows path.
    void MakeFile(const std::string& windowsPath, const std::vector<std::uint8_t>& content = {});
    void MakeDir(const std::string& windowsPath);
    bool HostExists(const std::string& windowsPath) const;
    std::vector<std::uint8_t> ReadFile(const std::string& windowsPath) const;
    std::vector<std::string> ListDir(const std::string& windowsPath) const;  // names, sorted

    std::string hostRoot_;
};
