// payload-pack: writes the application through the branch filter, ready for the compressor.
//   payload-pack APPLICATION FILTERED
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/PayloadCodec.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: payload-pack APPLICATION FILTERED\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in || image.empty()) {
        std::fprintf(stderr, "payload-pack: cannot read %s\n", argv[1]);
        return 1;
    }
    BranchFilterEncode(image.data(), image.size());
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "payload-pack: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
