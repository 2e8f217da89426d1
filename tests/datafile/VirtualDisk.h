// The data-file tests' fixture: writing and reading records on a fresh virtual drive C:.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "VirtualDrive.h"
#include "datafile/LIB_Data1_ReadWrite.h"
#include "platform/TextFile.h"

class VirtualDisk : public VirtualDriveTest {
protected:
    using Operations = std::function<void(platform::TextFile&, TLibData1_ReadWrite&)>;

    // The bytes that the operations write into a fresh file.
    std::string Written(const Operations& write) {
        platform::TextFile file;
        file.Assign(ScratchFile);
        file.Rewrite();
        platform::IOCheck(file);
        TLibData1_ReadWrite writer;
        write(file, writer);
        file.Close();
        platform::IOCheck(file);
        return ReadFile(ScratchFile);
    }

    // Runs the read operations on a file holding the bytes.
    void Reading(const std::string& bytes, const Operations& read) {
        MakeFile(ScratchFile, bytes);
        platform::TextFile file;
        file.Assign(ScratchFile);
        file.Reset();
        platform::IOCheck(file);
        TLibData1_ReadWrite reader;
        read(file, reader);
        file.Close();
    }

    static constexpr const char* ScratchFile = "C:\\scratch.bin";
};

// A key table whose byte i is i, so scrambled bytes are easy to predict.
inline std::string IdentityKeyTable() {
    std::string table(256, '\0');
    for (int i = 0; i < 256; ++i) table[i] = static_cast<char>(i);
    return table;
}

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values) s += static_cast<char>(v);
    return s;
}
