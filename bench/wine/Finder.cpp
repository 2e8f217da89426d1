// The installed-copy search over one folder tree: FindFiles with the search page's mask and
// filter, ROOT as its only start directory.
//   bench_finder ROOT     prints "SECONDS ACCEPTED"
#include <cstdio>

#include "Seconds.h"
#include "datafile/LIB_Data1_ReadWrite.h"
#include "engine/LIB_FindFiles.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_finder ROOT\n");
        return 2;
    }
    std::size_t accepted = 0;
    double seconds = SecondsOf([&] {
        accepted = FindFiles(
                       "Pictoro.Dat", 4, argv[1], [](std::uint8_t) {}, DataFileAccepted)
                       .size();
    });
    std::printf("%.6f %zu\n", seconds, accepted);
    return 0;
}
