// The check value of the whole installer file: a CRC-32 that the build stores in the program
// after the link (tools/installer-crc), over every byte of the file but those that Authenticode
// signing changes or adds (the PE checksum, the certificate table's directory entry, the
// certificate table) and the stored value itself. So a signed installer checks as the build
// left it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Where the program keeps the value: the tag, then the CRC-32, zero until the build stores it.
struct TInstallerCrcField {
    char Tag[16];
    std::uint32_t Crc;
};
inline constexpr TInstallerCrcField InstallerCrcUnset = {"Pictoro CRC-32", 0};

// The offset of the stored value in a file: the bytes after Tag (16 bytes), which must appear
// there exactly once.
std::optional<std::size_t> InstallerCrcOffset(const std::vector<std::uint8_t>& File, const char* Tag);

// The CRC-32 of a PE file with the PE checksum, the certificate table's entry and the four bytes
// at CrcOffset counted as zeros and the certificate table left out; nothing if the file is no PE
// file or names a certificate table beyond its end.
std::optional<std::uint32_t> InstallerCrc(std::vector<std::uint8_t> File, std::size_t CrcOffset);
