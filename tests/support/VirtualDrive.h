// A fresh virtual Windows for each test: drives mapped to folders of a temporary host
// directory, drive C: a fixed disk among them, all removed again at the end.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

class VirtualDriveTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Maps a drive letter to a new host folder of the given Drive* type.
    void MapDrive(char letter, int driveType);

    std::string HostFolder(const std::string& name) const; // a folder beside the drives
    void WriteHostFile(const std::string& hostPath, const std::string& content) const;
    std::string ReadHostFile(const std::string& hostPath) const;

    // Files and folders at Windows paths; a file's missing folders are created with it.
    void MakeDir(const std::string& windowsPath) const;
    void MakeFile(const std::string& windowsPath, const std::string& content = "") const;
    bool Exists(const std::string& windowsPath) const;
    std::string ReadFile(const std::string& windowsPath) const;
    std::vector<std::string> ListDir(const std::string& windowsPath) const; // names, sorted

    std::string hostRoot_;
    std::string driveC_; // the host folder of drive C:
};
