// libFuzzer target: every input, read as a data file, either parses or ends with a format
// error at an offset inside the input; any other exception, a crash or a hang is a finding.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "datafile/LIB_Data1_ReadWrite.h"
#include "datafile/LIB_DataFileReader.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace {

// One host file in a folder of its own, mapped as drive F: once and rewritten in place for
// every input, so the reader opens it through the platform's file channel as the tool does.
class TInputFile {
public:
    TInputFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-datafile-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        folder_ = pattern;
        platform::headless::MapDrive('F', folder_, platform::DriveFixed);
        descriptor_ = open((folder_ + "/input.dat").c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
        if (descriptor_ < 0) std::abort();
    }
    ~TInputFile() {
        close(descriptor_);
        std::filesystem::remove_all(folder_);
    }

    void Hold(const std::uint8_t* data, std::size_t size) {
        if (ftruncate(descriptor_, 0) != 0 || pwrite(descriptor_, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();
    }

    static constexpr const char* WindowsPath = "F:\\input.dat";

private:
    std::string folder_;
    int descriptor_ = -1;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TInputFile input;
    input.Hold(data, size);
    try {
        ReadDataFile(TInputFile::WindowsPath);
    } catch (const EDataFileFormat& e) {
        if (e.Offset > size) std::abort();
    }
    return 0;
}
