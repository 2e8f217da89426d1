// The check values of the carried application: the CRC-32 itself and the values the build stored.
#include <gtest/gtest.h>

#include <vector>

#include "engine/PB_Pictoro.h"
#include "engine/PayloadCheck.h"

namespace {

// The CRC bit by bit, as its definition reads.
std::uint32_t BitwiseCrc32(const std::uint8_t* bytes, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

} // namespace

TEST(PayloadCheck, Crc32IsTheCommonOne) {
    const std::uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(Crc32(check, sizeof check), 0xCBF43926u); // the catalogue's check value
    EXPECT_EQ(Crc32(check, 0), 0u);
    // Every length around the eight-byte steps, at an odd start too.
    std::vector<std::uint8_t> bytes(40);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 37 + 11);
    for (std::size_t start : {0u, 3u})
        for (std::size_t size = 0; start + size <= bytes.size(); ++size)
            EXPECT_EQ(Crc32(&bytes[start], size), BitwiseCrc32(&bytes[start], size)) << start << " " << size;
}

TEST(PayloadCheck, TheBuildStoredTheValuesOfTheStoredBytesAndOfTheApplication) {
    EXPECT_EQ(PayloadCrc, BitwiseCrc32(PayloadStored, PayloadStoredSize));
    EXPECT_TRUE(PayloadImageIntact());
    EXPECT_EQ(PayloadImageCrc, BitwiseCrc32(PayloadImage(), PayloadSize));
}
