#include "shell/SilentLog.h"

#include <random>

#include "platform/Strings.h"

namespace {

// Install_Pictoro-XXXXXXXXXXXXXXXX.log: 64 bits from the system's random source, so that no
// other user of a shared temporary folder can make the file first.
std::string UnforeseeableLogName(const std::string& folder) {
    static const char digits[] = "0123456789ABCDEF";
    std::random_device random;
    std::string name = folder + "Install_Pictoro-";
    for (int half = 0; half < 2; ++half)
        for (std::uint32_t bits = random(), i = 0; i < 8; ++i, bits >>= 4) name += digits[bits & 15];
    return name + ".log";
}

} // namespace

TSilentLog::TSilentLog(const std::string& LogFile) {
    if (!LogFile.empty()) {
        fileName_ = LogFile;
        openCode_ = platform::CreatePlainFileForWrite(fileName_, false, handle_);
        return;
    }
    const std::string temp = platform::GetTempDir();
    openCode_ = platform::ioPathNotFound;
    // A name taken already is met only by chance or by someone who read the folder: another one.
    for (int attempt = 0; !temp.empty() && attempt < 8; ++attempt) {
        fileName_ = UnforeseeableLogName(temp);
        openCode_ = platform::CreatePlainFileForWrite(fileName_, true, handle_);
        if (openCode_ != platform::ioFileExists) break;
    }
}

TSilentLog::~TSilentLog() {
    if (handle_ != platform::NoFile) platform::CloseFileHandle(handle_);
}

std::string LogLines(const std::string& Text) {
    std::string lines;
    std::size_t start = 0;
    for (std::size_t end; (end = Text.find('\r', start)) != std::string::npos; start = end + 1)
        lines += EscapedForMessage(Text.substr(start, end - start), THighBytes::Kept) + "\r\n";
    return lines + EscapedForMessage(Text.substr(start), THighBytes::Kept) + "\r\n";
}

void TSilentLog::Line(const std::string& Text) {
    Write(LogLines(Text));
}

std::string TSilentLog::Whereabouts() const {
    if (openCode_ == platform::ioOK) return "; log: " + fileName_;
    if (fileName_.empty()) return "; no log: no temporary folder";
    return "; no log: " + fileName_ + " cannot be made (" + IOErrorText(openCode_) + ")";
}

void TSilentLog::Write(const std::string& Bytes) {
    if (handle_ == platform::NoFile) return;
    if (platform::WriteFileBytes(handle_, reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size()) ==
        platform::ioOK)
        return;
    platform::CloseFileHandle(handle_);
    handle_ = platform::NoFile;
}
