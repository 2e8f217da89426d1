// The record format of the data file: the byte escape, the key table that scrambles
// strings, and the typed values written and read one logical byte at a time.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Exceptions.h"
#include "platform/TextFile.h"

// The process-wide key table: 256 bytes, set from a key seed, changed by every scrambled string.
extern std::string KeyTable;
constexpr std::size_t KeyTableSize = 256;

// A file that does not follow the format; the message names what was found and where.
class EDataFileFormat : public Exception {
public:
    EDataFileFormat(const std::string& problem, std::uint64_t offset);
    std::string Problem;
    std::uint64_t Offset;
};

// A text from a file as an error message shows it: quoted, short, on one line, every byte
// outside printable ASCII as \xNN.
std::string QuotedForMessage(const std::string& text);

class TLibData1_ReadWrite {
public:
    // Writing. Every operation checks the channel's I/O result.
    void WriteByte(platform::TextFile& file, std::uint8_t value);
    void WriteString(platform::TextFile& file, const std::string& text);
    void WriteRawString(platform::TextFile& file, const std::string& text);
    void WriteKeySeed(platform::TextFile& file, const std::string& seed);
    void WriteInteger(platform::TextFile& file, std::int32_t value);
    void WriteFloat(platform::TextFile& file, double value);
    void WriteDateTime(platform::TextFile& file, double value);
    void WriteMarker(platform::TextFile& file, std::uint8_t marker);

    // Reading. ReadByte is the lenient read of the version test; the other mirrors
    // refuse bytes the format never writes, and the end of the file, with EDataFileFormat.
    std::uint8_t ReadByte(platform::TextFile& file);
    std::uint8_t ReadCheckedByte(platform::TextFile& file);
    std::string ReadString(platform::TextFile& file);
    std::string ReadRawString(platform::TextFile& file);
    std::string ReadKeySeed(platform::TextFile& file);
    std::int32_t ReadInteger(platform::TextFile& file);
    double ReadFloat(platform::TextFile& file);
    double ReadDateTime(platform::TextFile& file);
    std::uint8_t ReadMarker(platform::TextFile& file);

    // Exchanges the key bytes at positions a and b, counted from 1; nothing if either is 0.
    static void SwapKeyBytes(std::uint8_t a, std::uint8_t b);

    // File bytes written or read through this object so far.
    std::uint64_t Position() const { return position_; }

private:
    static constexpr std::uint8_t EscapeByte = 31; // stands before a byte below 32, written plus the offset
    static constexpr std::uint8_t EscapeOffset = 84;
    static void RequireKeyTable();
    static std::uint8_t Key(std::size_t index);

    void PutFileByte(platform::TextFile& file, std::uint8_t b);
    std::uint8_t GetFileByte(platform::TextFile& file);
    void WriteLength(platform::TextFile& file, std::size_t length);
    std::size_t ReadLength(platform::TextFile& file);

    std::uint64_t position_ = 0;
};

// The writer in use while the initial data file is written.
extern TLibData1_ReadWrite* DataWriter;

// Key seeds are 879 to 977 bytes, each 14 to 253.
constexpr std::size_t KeySeedMinLength = 879;
constexpr std::size_t KeySeedMaxLength = 977;
constexpr std::uint8_t KeySeedMinByte = 14;
constexpr std::uint8_t KeySeedMaxByte = 253;

// Fills the seed with fresh random bytes and sets the key table from it.
void MakeKeySeed(std::string& keyTable, std::string& seed);
std::string DeriveKeyTable(const std::string& seed);

// The version test of the upgrade search: the first logical byte of the file, read
// through the text channel. Raises the channel's I/O error.
std::uint8_t ReadFormatVersion(const std::string& path);
// Versions 0 to 2 are layouts this installer knows.
bool FormatVersionAccepted(std::uint8_t version);
// The whole test: false on any failure, without a message.
bool DataFileAccepted(const std::string& path);
