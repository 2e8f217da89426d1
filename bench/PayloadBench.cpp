// The whole payload write (PayloadOpen ... PayloadDone with a progress callback after each
// call) against cp of the same bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Bench.h"
#include "engine/PB_Pictoro.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;

namespace {

volatile std::uint32_t ShownPosition = 0;

void WritePayload(const std::function<void(std::uint32_t)>& setProgress)
{
    PayloadOpen("C:\\Pictoro\\Pictoro.Exe");
    do {
        PayloadWriteBlock();
        setProgress(static_cast<std::uint32_t>(PayloadPosition));
    } while (!PayloadDone());
}

} // namespace

int main()
{
    const fs::path work = "/tmp/pictoro-bench-payload";
    fs::remove_all(work);
    fs::create_directories(work / "C" / "Pictoro");
    const fs::path source = work / "source.exe";
    std::ofstream(source, std::ios::binary).write(reinterpret_cast<const char*>(PayloadImage), PayloadSize);

    platform::headless::Reset();
    platform::headless::MapDrive('C', (work / "C").string(), platform::DriveFixed);
    auto setProgress = [](std::uint32_t position) { ShownPosition = position; };

    bench::ComparePaired(
        "payload", "cp", 9, [&] { WritePayload(setProgress); },
        [&] { bench::RunTool({"cp", source.string(), (work / "copy.exe").string()}); });
    fs::remove_all(work);
    return 0;
}
