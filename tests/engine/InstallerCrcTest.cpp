// The check value of the whole installer: what signing changes leaves it as it is, every other
// byte changes it, and the place of the value is found only when it is there once.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/InstallerCrc.h"

namespace {

constexpr std::size_t Header = 0x80, Optional = Header + 24, Checksum = Optional + 64;
constexpr std::size_t CertificateEntry = Optional + 96 + 8 * 4, Field = 0x200;

void Put32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = std::uint8_t(value >> (8 * i));
}

// A PE32 file of 1 KiB: the headers the check reads, the tag at 0x200 and varied bytes elsewhere.
std::vector<std::uint8_t> UnsignedFile() {
    std::vector<std::uint8_t> file(1024);
    for (std::size_t i = 0; i < file.size(); ++i) file[i] = std::uint8_t(i * 7 + 3);
    file[0] = 'M', file[1] = 'Z';
    Put32(file, 0x3C, Header);
    Put32(file, Header, 0x00004550);
    Put32(file, Optional, 0x10B);
    Put32(file, Checksum, 0);
    Put32(file, CertificateEntry, 0);
    Put32(file, CertificateEntry + 4, 0);
    std::memcpy(&file[Field], InstallerCrcUnset.Tag, sizeof InstallerCrcUnset.Tag);
    return file;
}

// As signing leaves it: a checksum, the entry, and the table appended.
std::vector<std::uint8_t> Signed(std::vector<std::uint8_t> file) {
    Put32(file, Checksum, 0x12345678);
    Put32(file, CertificateEntry, std::uint32_t(file.size()));
    Put32(file, CertificateEntry + 4, 24);
    file.insert(file.end(), 24, 0xC5);
    return file;
}

std::size_t Offset(const std::vector<std::uint8_t>& file) {
    const auto offset = InstallerCrcOffset(file, InstallerCrcUnset.Tag);
    EXPECT_TRUE(offset);
    return offset.value_or(0);
}

} // namespace

TEST(InstallerCrc, SigningAndTheStoredValueLeaveItAsItIs) {
    std::vector<std::uint8_t> file = UnsignedFile();
    ASSERT_EQ(Offset(file), Field + 16);
    const auto crc = InstallerCrc(file, Field + 16);
    ASSERT_TRUE(crc);
    Put32(file, Field + 16, *crc);
    EXPECT_EQ(InstallerCrc(file, Offset(file)), crc);
    EXPECT_EQ(InstallerCrc(Signed(file), Offset(Signed(file))), crc);
}

TEST(InstallerCrc, EveryOtherByteChangesIt) {
    const std::vector<std::uint8_t> file = UnsignedFile();
    const auto crc = InstallerCrc(file, Field + 16);
    for (std::size_t at = 0; at < file.size(); ++at) {
        if ((at >= Checksum && at < Checksum + 4) || (at >= CertificateEntry && at < CertificateEntry + 8) ||
            (at >= Field + 16 && at < Field + 20))
            continue;
        std::vector<std::uint8_t> damaged = Signed(file);
        damaged[at] ^= 0x04;
        EXPECT_NE(InstallerCrc(damaged, Field + 16), crc) << at;
    }
    std::vector<std::uint8_t> appended = Signed(file);
    appended.push_back(0); // after the certificate table
    EXPECT_NE(InstallerCrc(appended, Field + 16), crc);
}

TEST(InstallerCrc, NoValueWithoutOneTagOrWithHeadersOutOfPlace) {
    std::vector<std::uint8_t> file = UnsignedFile();
    std::vector<std::uint8_t> twice = file;
    std::memcpy(&twice[0x300], InstallerCrcUnset.Tag, sizeof InstallerCrcUnset.Tag);
    EXPECT_FALSE(InstallerCrcOffset(twice, InstallerCrcUnset.Tag));
    std::vector<std::uint8_t> none = file;
    none[Field] ^= 1;
    EXPECT_FALSE(InstallerCrcOffset(none, InstallerCrcUnset.Tag));

    std::vector<std::uint8_t> beyond = Signed(file);
    Put32(beyond, CertificateEntry + 4, 25); // one byte past the end
    EXPECT_FALSE(InstallerCrc(beyond, Field + 16));
    std::vector<std::uint8_t> noPe = file;
    noPe[Header] = 'X';
    EXPECT_FALSE(InstallerCrc(noPe, Field + 16));
    EXPECT_FALSE(InstallerCrc(file, file.size() - 3)); // the value would reach past the end
}
