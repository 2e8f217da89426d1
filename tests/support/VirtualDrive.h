// A fresh virtual Windows for each test, with drive C: a fixed disk in a temporary host folder.
#pragma once

#include <string>

#include <gtest/gtest.h>

class VirtualDriveTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string HostFolder(const std::string& name) const;   // a folder beside the drives
    void WriteHostFile(const std::string& hostPath, const std::string& content) const;
    std::string ReadHostFile(const std::string& hostPath) const;
    void MakeFile(const std::string& windowsPath, const std::string& content = "");
    std::string ReadFile(const std::string& windowsPath) const;

    std::string hostRoot_;
    std::string driveC_;
};
