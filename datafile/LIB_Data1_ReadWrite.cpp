#include "datafile/LIB_Data1_ReadWrite.h"

#include "datafile/DecimalText.h"
#include "datafile/LIB_RandomSource.h"

std::string KeyTable;
TLibData1_ReadWrite* DataWriter = nullptr;

namespace {

constexpr std::size_t MaxStringLength = 65535;

// Two length bytes hold at most 65,535; a longer text would wrap and corrupt what follows.
void CheckLength(std::size_t length) {
    if (length > MaxStringLength)
        throw Exception("A text of " + std::to_string(length) + " bytes is too long for the data file");
}

} // namespace

void TLibData1_ReadWrite::RequireKeyTable() {
    if (KeyTable.size() != KeyTableSize) throw Exception("The key table of the data file is not set");
}

std::uint8_t TLibData1_ReadWrite::Key(std::size_t index) {
    RequireKeyTable();
    return static_cast<std::uint8_t>(KeyTable[index]);
}

// ---- Channel ----

void TLibData1_ReadWrite::PutFileByte(platform::TextFile& file, std::uint8_t b) {
    file.Write(b);
    platform::IOCheck(file);
    ++position_;
}

std::uint8_t TLibData1_ReadWrite::GetFileByte(platform::TextFile& file) {
    const std::uint8_t b = file.Read();
    platform::IOCheck(file);
    ++position_;
    return b;
}

// ---- Writing ----

void TLibData1_ReadWrite::WriteByte(platform::TextFile& file, std::uint8_t value) {
    if (value < 32) {
        PutFileByte(file, EscapeByte);
        PutFileByte(file, static_cast<std::uint8_t>(value + EscapeOffset));
    } else {
        PutFileByte(file, value);
    }
}

void TLibData1_ReadWrite::WriteLength(platform::TextFile& file, std::size_t length) {
    CheckLength(length);
    WriteByte(file, static_cast<std::uint8_t>(length % 256));
    WriteByte(file, static_cast<std::uint8_t>(length / 256));
}

void TLibData1_ReadWrite::WriteString(platform::TextFile& file, const std::string& text) {
    RequireKeyTable(); // both before the start byte is written
    CheckLength(text.size());
    const auto r = static_cast<std::uint8_t>(1 + RandomBelow(254));
    WriteByte(file, r);
    WriteLength(file, text.size());
    std::uint8_t k = r;
    for (const char c : text) {
        WriteByte(file, static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) + Key(k)));
        ++k; // wraps from 255 to 0
    }
    SwapKeyBytes(r, static_cast<std::uint8_t>(r + 2));
}

void TLibData1_ReadWrite::WriteRawString(platform::TextFile& file, const std::string& text) {
    WriteLength(file, text.size());
    for (const char c : text) WriteByte(file, static_cast<std::uint8_t>(c));
}

void TLibData1_ReadWrite::WriteKeySeed(platform::TextFile& file, const std::string& seed) {
    WriteRawString(file, seed);
}

void TLibData1_ReadWrite::WriteInteger(platform::TextFile& file, std::int32_t value) {
    WriteString(file, std::to_string(value));
}

void TLibData1_ReadWrite::WriteFloat(platform::TextFile& file, double value) {
    WriteString(file, DecimalText(value));
}

void TLibData1_ReadWrite::WriteDateTime(platform::TextFile& file, double value) {
    WriteFloat(file, value);
}

void TLibData1_ReadWrite::WriteMarker(platform::TextFile& file, std::uint8_t marker) {
    WriteByte(file, static_cast<std::uint8_t>(marker + Key(16)));
}

// ---- Reading ----

std::uint8_t TLibData1_ReadWrite::ReadByte(platform::TextFile& file) {
    const std::uint8_t b = GetFileByte(file);
    if (b != EscapeByte) return b;
    return static_cast<std::uint8_t>(GetFileByte(file) - EscapeOffset);
}

// ---- Key table ----

void TLibData1_ReadWrite::SwapKeyBytes(std::uint8_t a, std::uint8_t b) {
    if (a == 0 || b == 0) return;
    RequireKeyTable();
    std::swap(KeyTable[a - 1], KeyTable[b - 1]);
}

void MakeKeySeed(std::string& keyTable, std::string& seed) {
    const std::size_t length = KeySeedMinLength + RandomBelow(KeySeedMaxLength - KeySeedMinLength + 1);
    seed.clear();
    for (std::size_t i = 0; i < length; ++i)
        seed += static_cast<char>(KeySeedMinByte + RandomBelow(KeySeedMaxByte - KeySeedMinByte + 1));
    keyTable = DeriveKeyTable(seed);
}

std::string DeriveKeyTable(const std::string& seed) {
    std::string s = seed;
    if (s.size() < 300) s.resize(300, ' ');
    const auto at = [&s](std::size_t position) { return s[position - 1]; }; // positions from 1

    std::string out;
    for (std::size_t i = s.size(); i >= 250; --i)
        if (i % 5 == 0 && out.size() < 150) out += at(i);
    for (std::size_t i = 1; i <= s.size(); ++i)
        if (i % 2 == 0 && out.size() < KeyTableSize) out += at(i);
    while (out.size() < KeyTableSize) out += at(out.size());
    return out;
}

// ---- Version test ----

std::uint8_t ReadFormatVersion(const std::string& path) {
    platform::TextFile file;
    file.Assign(path);
    file.Reset();
    platform::IOCheck(file);
    TLibData1_ReadWrite reader;
    const std::uint8_t version = reader.ReadByte(file);
    file.Close();
    platform::IOCheck(file);
    return version;
}

bool FormatVersionAccepted(std::uint8_t version) {
    return version < 3;
}

bool DataFileAccepted(const std::string& path) {
    try {
        return FormatVersionAccepted(ReadFormatVersion(path));
    } catch (...) {
        return false;
    }
}
