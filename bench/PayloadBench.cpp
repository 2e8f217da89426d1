// The whole payload write, as both runs make it (WriteApplication with a progress callback
// after each block), against cp of the same bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "Bench.h"
#include "engine/PB_Pictoro.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;

namespace {

volatile std::uint32_t ShownPosition = 0;

} // namespace

int main() {
    const fs::path work = "/tmp/pictoro-bench-payload";
    fs::remove_all(work);
    fs::create_directories(work / "C" / "Pictoro");
    const fs::path source = work / "source.exe";
    std::ofstream(source, std::ios::binary).write(reinterpret_cast<const char*>(PayloadImage()), PayloadSize);

    platform::headless::Reset();
    platform::headless::MapDrive('C', (work / "C").string(), platform::DriveFixed);
    auto setProgress = [](std::int64_t position) { ShownPosition = static_cast<std::uint32_t>(position); };

    bench::ComparePaired(
        "payload", "cp", 2.0, 9, [&] { WriteApplication("C:\\Pictoro\\", setProgress); },
        [&] {
            bench::RunTool({"cp", source.string(), (work / "copy.exe").string()});
        });
    fs::remove_all(work);
    return 0;
}
