// installer-crc: stores in a linked installer the CRC-32 of its whole file (engine/InstallerCrc),
// in the place the program keeps for it. Run after pe-stamp, then pe-stamp once more for the
// PE checksum, which the value changes.
//   installer-crc EXE
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/InstallerCrc.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: installer-crc EXE\n");
        return 2;
    }
    std::vector<std::uint8_t> file;
    {
        std::ifstream in(argv[1], std::ios::binary);
        file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const auto offset = InstallerCrcOffset(file, InstallerCrcUnset.Tag);
    const auto crc = offset ? InstallerCrc(file, *offset) : std::nullopt;
    if (!crc) {
        std::fprintf(stderr, "installer-crc: %s: no PE file with one place for the value\n", argv[1]);
        return 1;
    }
    for (int i = 0; i < 4; ++i) file[*offset + i] = std::uint8_t(*crc >> (8 * i));
    std::fstream out(argv[1], std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(std::streamoff(*offset));
    out.write(reinterpret_cast<const char*>(&file[*offset]), 4);
    if (!out.flush()) {
        std::fprintf(stderr, "installer-crc: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
