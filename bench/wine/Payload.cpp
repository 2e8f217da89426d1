// The carried application under Wine: the first need of the image (decoding and checking it)
// and then its write as both runs make it, each timed.
//   bench_payload DIR     prints "DECODE_SECONDS WRITE_SECONDS BYTES"
#include <cstdio>
#include <string>

#include "Seconds.h"
#include "engine/PB_Pictoro.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_payload DIR\n");
        return 2;
    }
    const double decode = SecondsOf([] { PayloadImage(); });
    const double write = SecondsOf([&] { WriteApplication(argv[1], [](std::int64_t) {}); });
    std::printf("%.6f %.6f %d\n", decode, write, int(PayloadSize));
    return 0;
}
