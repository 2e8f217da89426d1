// The check value of the application image: a CRC-32 that the build stores beside the image and
// the start compares with the image before anything shows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/PB_Pictoro.h"

// The image's CRC-32 as the build computed it, linked in from payload/ beside PayloadImage.
extern "C" const std::uint32_t PayloadCrc;

// The CRC-32 of zlib, PNG and ZIP (reflected polynomial 0xEDB88320, all bits inverted before
// and after).
std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t size);

// True when the bytes have the stored CRC-32.
bool PayloadIntact(const std::uint8_t* bytes, std::size_t size, std::uint32_t stored);

inline bool PayloadImageIntact() {
    return PayloadIntact(PayloadImage, PayloadSize, PayloadCrc);
}
