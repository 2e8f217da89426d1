// The reference walk: every folder below ROOT listed once with FindFirstFileA and
// FindNextFileA, the files named Pictoro.Dat counted.
//   bench_walker ROOT     prints "SECONDS FOLDERS MATCHES"
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "Seconds.h"

namespace {

struct Walk {
    long Folders = 0;
    long Matches = 0;

    void Folder(const std::string& dir) {
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA((dir + "*").c_str(), &data);
        if (search == INVALID_HANDLE_VALUE) return;
        ++Folders;
        do {
            bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            if (folder && std::strcmp(data.cFileName, ".") && std::strcmp(data.cFileName, ".."))
                Folder(dir + data.cFileName + "\\");
            else if (!folder && lstrcmpiA(data.cFileName, "Pictoro.Dat") == 0)
                ++Matches;
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_walker ROOT\n");
        return 2;
    }
    Walk walk;
    double seconds = SecondsOf([&] { walk.Folder(argv[1]); });
    std::printf("%.6f %ld %ld\n", seconds, walk.Folders, walk.Matches);
    return 0;
}
