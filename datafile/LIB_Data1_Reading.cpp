// The checked reading of records, which pictoro-dat's reader uses; the installer itself
// reads only the version byte (LIB_Data1_ReadWrite.cpp).
#include "datafile/LIB_Data1_ReadWrite.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/Strings.h"

namespace {

// A whole text in plain decimal notation: no blank or plus sign before it, no hexadecimal.
bool ParseDecimal(const std::string& text, double& value) {
    const std::size_t first = text.compare(0, 1, "-") == 0 ? 1 : 0;
    if (text.size() <= first || !(std::isdigit(static_cast<unsigned char>(text[first])) || text[first] == '.'))
        return false;
    if (text.compare(first, 2, "0x") == 0 || text.compare(first, 2, "0X") == 0) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return errno != ERANGE && end == text.c_str() + text.size();
}

std::string FoundByte(std::uint8_t b) {
    return b == platform::TextFile::EndOfFileChar ? "the end of the file" : "byte " + std::to_string(b);
}

} // namespace

std::string QuotedForMessage(const std::string& text) {
    constexpr std::size_t Shown = 24;
    const std::string shown = EscapedForMessage(text.substr(0, Shown));
    return "\"" + shown + (text.size() > Shown ? "...\"" : "\"");
}

EDataFileFormat::EDataFileFormat(const std::string& problem, std::uint64_t offset)
    : Exception(problem + " at byte offset " + std::to_string(offset)), Problem(problem), Offset(offset) {}

std::uint8_t TLibData1_ReadWrite::ReadCheckedByte(platform::TextFile& file) {
    const std::uint8_t b = GetFileByte(file);
    if (b > EscapeByte) return b;
    if (b < EscapeByte) throw EDataFileFormat(FoundByte(b), position_ - 1);
    const std::uint8_t escaped = GetFileByte(file);
    if (escaped < EscapeOffset || escaped >= EscapeOffset + 32)
        throw EDataFileFormat("escape byte 31 followed by " + FoundByte(escaped), position_ - 1);
    return static_cast<std::uint8_t>(escaped - EscapeOffset);
}

std::size_t TLibData1_ReadWrite::ReadLength(platform::TextFile& file) {
    const std::size_t low = ReadCheckedByte(file);
    return low + 256 * static_cast<std::size_t>(ReadCheckedByte(file));
}

std::string TLibData1_ReadWrite::ReadString(platform::TextFile& file) {
    RequireKeyTable();
    const std::uint8_t r = ReadCheckedByte(file);
    const std::size_t length = ReadLength(file);
    std::string text(length, '\0');
    std::uint8_t k = r;
    for (char& c : text) {
        c = static_cast<char>(static_cast<std::uint8_t>(ReadCheckedByte(file) - Key(k)));
        ++k;
    }
    SwapKeyBytes(r, static_cast<std::uint8_t>(r + 2));
    return text;
}

std::string TLibData1_ReadWrite::ReadRawString(platform::TextFile& file) {
    std::string text(ReadLength(file), '\0');
    for (char& c : text) c = static_cast<char>(ReadCheckedByte(file));
    return text;
}

std::string TLibData1_ReadWrite::ReadKeySeed(platform::TextFile& file) {
    return ReadRawString(file);
}

std::int32_t TLibData1_ReadWrite::ReadInteger(platform::TextFile& file) {
    const std::uint64_t start = position_;
    const std::string text = ReadString(file);
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw EDataFileFormat("the text " + QuotedForMessage(text), start);
    return value;
}

double TLibData1_ReadWrite::ReadFloat(platform::TextFile& file) {
    const std::uint64_t start = position_;
    const std::string text = ReadString(file);
    double value = 0;
    if (!ParseDecimal(text, value) || !std::isfinite(value))
        throw EDataFileFormat("the text " + QuotedForMessage(text), start);
    return value;
}

double TLibData1_ReadWrite::ReadDateTime(platform::TextFile& file) {
    return ReadFloat(file);
}

std::uint8_t TLibData1_ReadWrite::ReadMarker(platform::TextFile& file) {
    return static_cast<std::uint8_t>(ReadCheckedByte(file) - Key(16));
}
