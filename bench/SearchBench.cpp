// The installed-copy search (FindFiles with "Pictoro.Dat" on the fixed drives) over a
// generated tree, against GNU find -iname over the same host folder.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "Bench.h"
#include "engine/LIB_FindFiles.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;

namespace {

constexpr int TopDirs = 20;
constexpr int MiddleDirs = 20;
constexpr int LeafDirs = 50;
constexpr int FilesPerDir = 10;
const char* const Matches[] = {"d03/d07/Pictoro.Dat", "d11/Pictoro.Dat", "d19/d19/d49/PICTORO.DAT",
                               "d00/d00/d00/Pictoro.Dat", "d08/d12/d31/pictoro.dat"};

void MakeFiles(const fs::path& dir) {
    fs::create_directories(dir);
    for (int i = 0; i < FilesPerDir; ++i) std::ofstream(dir / ("photo" + std::to_string(i) + ".jpg")) << i;
}

std::string Name(int i) {
    return (i < 10 ? "d0" : "d") + std::to_string(i);
}

// 20 x 20 x 50 leaves under 420 inner folders: 20,421 folders, 204,210 files, 5 matches.
// Reused when a previous run completed it.
void GenerateTree(const fs::path& root) {
    const fs::path complete = root / ".complete";
    if (fs::exists(complete)) return;
    std::printf("generating %s\n", root.c_str());
    fs::remove_all(root);
    MakeFiles(root);
    for (int a = 0; a < TopDirs; ++a) {
        MakeFiles(root / Name(a));
        for (int b = 0; b < MiddleDirs; ++b) {
            MakeFiles(root / Name(a) / Name(b));
            for (int c = 0; c < LeafDirs; ++c) MakeFiles(root / Name(a) / Name(b) / Name(c));
        }
    }
    for (const char* match : Matches) std::ofstream(root / match) << '\0';
    std::ofstream(complete) << "done\n";
}

} // namespace

int main() {
    const fs::path root = "/tmp/pictoro-bench-tree";
    GenerateTree(root);
    platform::headless::Reset();
    platform::headless::MapDrive('C', root.string(), platform::DriveFixed);

    std::size_t found = FindFiles(
                            "Pictoro.Dat", 1, "", [](std::uint8_t) {}, nullptr)
                            .size();
    std::printf("search finds %zu of %zu files\n", found, std::size(Matches));
    if (found != std::size(Matches)) return 1;
    bench::ComparePaired(
        "search", "find", 1.0, 7,
        [] {
            FindFiles(
                "Pictoro.Dat", 1, "", [](std::uint8_t) {}, nullptr);
        },
        [&] {
            bench::RunTool({"find", root.string(), "-iname", "Pictoro.Dat"});
        });
    return 0;
}
