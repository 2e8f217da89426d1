// libFuzzer target: every input, read as a data file, either parses or ends with a format
// error; any other exception, a crash or a hang is a finding.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "HostFiles.h"
#include "datafile/LIB_Data1_ReadWrite.h"
#include "datafile/LIB_DataFileReader.h"

namespace {

const std::string& InputFile()
{
    static const std::string path = "/tmp/fuzz-dump-" + std::to_string(getpid()) + ".dat";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool mapped = (MapHostRoot(), true);
    (void)mapped;
    {
        std::ofstream out(InputFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        ReadDataFile(WindowsPathFor(InputFile()));
    } catch (const EDataFileFormat& e) {
        if (e.Offset > size)
            std::abort();
    }
    return 0;
}
