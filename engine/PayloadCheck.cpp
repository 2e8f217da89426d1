#include "engine/PayloadCheck.h"

#include <array>

namespace {

// Slicing by eight: tables[k][b] is the CRC of byte b followed by k zero bytes, so eight bytes
// take eight lookups and no loop over bits.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

// Made on each call (about 4,000 steps, on the stack) rather than by the compiler or in a static
// table: 8 KB of tables in the exe's data would cost every download.
Tables MakeTables() {
    Tables tables;
    for (std::uint32_t b = 0; b < 256; ++b) {
        std::uint32_t crc = b;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        tables[0][b] = crc;
    }
    for (int k = 1; k < 8; ++k)
        for (int b = 0; b < 256; ++b) tables[k][b] = (tables[k - 1][b] >> 8) ^ tables[0][tables[k - 1][b] & 0xFF];
    return tables;
}

std::uint32_t LittleEndian32(const std::uint8_t* bytes) {
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
        std::uint32_t(bytes[3]) << 24;
}

} // namespace

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t size) {
    const Tables t = MakeTables();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (; size >= 8; bytes += 8, size -= 8) {
        const std::uint32_t low = LittleEndian32(bytes) ^ crc;
        const std::uint32_t high = LittleEndian32(bytes + 4);
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
            t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; size > 0; ++bytes, --size) crc = t[0][(crc ^ *bytes) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

bool PayloadIntact(const std::uint8_t* bytes, std::size_t size, std::uint32_t stored) {
    return Crc32(bytes, size) == stored;
}
