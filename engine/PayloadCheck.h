// The check values of the carried application: the CRC-32 of the bytes the build stores, which
// the start compares before anything shows, and that of the application itself.
#pragma once

#include <cstddef>
#include <cstdint>

// Linked in from payload/: the application as stored, and the CRC-32 of those bytes and of the
// maker's file.
extern "C" const std::uint8_t PayloadStored[];
extern "C" const std::uint32_t PayloadStoredSize;
extern "C" const std::uint32_t PayloadCrc;
extern "C" const std::uint32_t PayloadImageCrc;

// The CRC-32 of zlib, PNG and ZIP (reflected polynomial 0xEDB88320, all bits inverted before
// and after).
std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t size);

// True when the bytes have the stored CRC-32.
bool PayloadIntact(const std::uint8_t* bytes, std::size_t size, std::uint32_t stored);

inline bool PayloadImageIntact() {
    return PayloadIntact(PayloadStored, PayloadStoredSize, PayloadCrc);
}
