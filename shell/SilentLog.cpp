#include "shell/SilentLog.h"

#include "platform/Strings.h"

TSilentLog::TSilentLog(const std::string& FileName) {
    if (FileName.empty() || platform::CreateFileForWrite(FileName, handle_) != platform::ioOK)
        handle_ = platform::NoFile;
}

TSilentLog::~TSilentLog() {
    if (handle_ != platform::NoFile) platform::CloseFileHandle(handle_);
}

void TSilentLog::Line(const std::string& Text) {
    std::string lines;
    std::size_t start = 0;
    for (std::size_t end; (end = Text.find('\r', start)) != std::string::npos; start = end + 1)
        lines += EscapedForMessage(Text.substr(start, end - start), THighBytes::Kept) + "\r\n";
    lines += EscapedForMessage(Text.substr(start), THighBytes::Kept) + "\r\n";
    Write(lines);
}

void TSilentLog::Write(const std::string& Bytes) {
    if (handle_ == platform::NoFile) return;
    if (platform::WriteFileBytes(handle_, reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size()) ==
        platform::ioOK)
        return;
    platform::CloseFileHandle(handle_);
    handle_ = platform::NoFile;
}

std::string SilentLogFile(const TSilentOptions& Options) {
    if (!Options.LogFile.empty()) return Options.LogFile;
    const std::string temp = platform::GetTempDir();
    return temp.empty() ? std::string() : temp + "Install_Pictoro.log";
}
