// payload-crc: writes the CRC-32 of the padded application image as a preprocessor definition
// for the assembly that links the image in, so the start can check the image against it.
//   payload-crc IMAGE OUTPUT
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/PayloadCheck.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: payload-crc IMAGE OUTPUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in || image.empty()) {
        std::fprintf(stderr, "payload-crc: cannot read %s\n", argv[1]);
        return 1;
    }
    std::FILE* out = std::fopen(argv[2], "w");
    if (!out || std::fprintf(out, "#define PAYLOAD_CRC 0x%08X\n", unsigned(Crc32(image.data(), image.size()))) < 0 ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "payload-crc: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
