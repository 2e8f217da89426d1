#include "engine/InstallerCrc.h"

#include <algorithm>
#include <iterator>

#include "engine/PayloadCheck.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<std::uint32_t> Read32(const Bytes& file, std::size_t at) {
    if (at > file.size() || file.size() - at < 4) return std::nullopt;
    return std::uint32_t(file[at]) | std::uint32_t(file[at + 1]) << 8 | std::uint32_t(file[at + 2]) << 16 |
        std::uint32_t(file[at + 3]) << 24;
}

void Zero(Bytes& file, std::size_t at, std::size_t count) {
    std::fill_n(file.begin() + std::ptrdiff_t(at), count, std::uint8_t(0));
}

// Zeros in place of the checksum and the certificate table's entry, and the table cut out.
// False if the headers are not those of a PE file.
bool LeaveOutSignature(Bytes& file) {
    const auto pe = Read32(file, 0x3C);
    if (file.size() < 2 || file[0] != 'M' || file[1] != 'Z' || !pe || Read32(file, *pe) != 0x00004550u) return false;
    const std::size_t optional = std::size_t(*pe) + 24;
    const auto magic = Read32(file, optional);
    if (!magic || ((*magic & 0xFFFF) != 0x10B && (*magic & 0xFFFF) != 0x20B)) return false;
    const std::size_t entry = optional + ((*magic & 0xFFFF) == 0x10B ? 96 : 112) + 8 * 4; // the fifth
    const auto table = Read32(file, entry), size = Read32(file, entry + 4);
    if (!table || !size || *table > file.size() || file.size() - *table < *size) return false;
    file.erase(file.begin() + std::ptrdiff_t(*table), file.begin() + std::ptrdiff_t(*table) + std::ptrdiff_t(*size));
    Zero(file, optional + 64, 4);
    Zero(file, entry, 8);
    return true;
}

} // namespace

std::optional<std::size_t> InstallerCrcOffset(const std::vector<std::uint8_t>& File, const char* Tag) {
    const std::size_t length = sizeof TInstallerCrcField::Tag;
    const auto found = std::search(File.begin(), File.end(), Tag, Tag + length);
    if (found == File.end() || std::size_t(File.end() - found) < sizeof(TInstallerCrcField)) return std::nullopt;
    if (std::search(std::next(found), File.end(), Tag, Tag + length) != File.end()) return std::nullopt;
    return std::size_t(found - File.begin()) + length;
}

std::optional<std::uint32_t> InstallerCrc(std::vector<std::uint8_t> File, std::size_t CrcOffset) {
    if (!Read32(File, CrcOffset)) return std::nullopt;
    Zero(File, CrcOffset, 4); // first: the offset is one in the whole file
    if (!LeaveOutSignature(File)) return std::nullopt;
    return Crc32(File.data(), File.size());
}
