// A fixture with drive C: of the headless platform mapped to a fresh host folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "datafile/LIB_Data1_ReadWrite.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "platform/headless/VirtualWindows.h"

class VirtualDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::Reset();
        char pattern[] = "/tmp/datafile-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        hostRoot_ = pattern;
        platform::headless::MapDrive('C', hostRoot_, platform::DriveFixed);
    }

    void TearDown() override
    {
        platform::headless::Reset();
        std::filesystem::remove_all(hostRoot_);
    }

    static std::string HostBytes(const std::string& windowsPath)
    {
        std::ifstream in(platform::headless::HostPath(windowsPath), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void PutHostBytes(const std::string& windowsPath, const std::string& bytes)
    {
        std::ofstream out(platform::headless::HostPath(windowsPath), std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    using Operations = std::function<void(platform::TextFile&, TLibData1_ReadWrite&)>;

    // The bytes that the operations write into a fresh file.
    static std::string Written(const Operations& write)
    {
        platform::TextFile file;
        file.Assign(ScratchFile);
        file.Rewrite();
        platform::IOCheck(file);
        TLibData1_ReadWrite writer;
        write(file, writer);
        file.Close();
        platform::IOCheck(file);
        return HostBytes(ScratchFile);
    }

    // Runs the read operations on a file holding the bytes.
    static void Reading(const std::string& bytes, const Operations& read)
    {
        PutHostBytes(ScratchFile, bytes);
        platform::TextFile file;
        file.Assign(ScratchFile);
        file.Reset();
        platform::IOCheck(file);
        TLibData1_ReadWrite reader;
        read(file, reader);
        file.Close();
    }

    static constexpr const char* ScratchFile = "C:\\scratch.bin";
    std::string hostRoot_;
};

// A key table whose byte i is i, so scrambled bytes are easy to predict.
inline std::string IdentityKeyTable()
{
    std::string table(256, '\0');
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<char>(i);
    return table;
}

inline std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (const int v : values)
        s += static_cast<char>(v);
    return s;
}
