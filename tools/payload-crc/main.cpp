// payload-crc: writes the CRC-32 of a file as the preprocessor definition NAME for the assembly
// that links the stored application in, so that the installer can check its bytes.
//   payload-crc FILE NAME OUTPUT
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/PayloadCheck.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: payload-crc FILE NAME OUTPUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in || image.empty()) {
        std::fprintf(stderr, "payload-crc: cannot read %s\n", argv[1]);
        return 1;
    }
    std::FILE* out = std::fopen(argv[3], "w");
    if (!out || std::fprintf(out, "#define %s 0x%08X\n", argv[2], unsigned(Crc32(image.data(), image.size()))) < 0 ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "payload-crc: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
