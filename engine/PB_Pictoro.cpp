#include "engine/PB_Pictoro.h"

#include "platform/Platform.h"
#include "platform/TextFile.h"

std::int32_t PayloadBlockNo = 0;
std::int64_t PayloadPosition = 0;

namespace {

platform::TextFile PayloadFile;
std::string PayloadTarget;

std::string TempName() {
    return PayloadTarget + PayloadTempSuffix;
}

// Drops the half-written temporary file; the target stays untouched.
void DiscardTemp() {
    if (PayloadFile.IsOpen()) {
        PayloadFile.Close();
        PayloadFile.IOResult();
    }
    platform::DeleteFileAt(TempName());
}

// Runs one file operation with its I/O test; on failure discards the temporary file.
template <typename Operation>
void Checked(Operation operation) {
    try {
        operation();
        platform::IOCheck(PayloadFile);
    } catch (...) {
        DiscardTemp();
        throw;
    }
}

void CloseAndReplace() {
    Checked([] { PayloadFile.Close(); });
    int code = platform::ReplaceFileWith(TempName(), PayloadTarget);
    if (code != platform::ioOK) {
        DiscardTemp();
        throw EInOutError(code);
    }
}

} // namespace

void PayloadOpen(const std::string& FileName) {
    PayloadBlockNo = 0;
    PayloadPosition = 0;
    int code = platform::CheckReplaceable(FileName);
    if (code != platform::ioOK) throw EInOutError(code);
    PayloadTarget = FileName;
    PayloadFile.Assign(TempName());
    Checked([] { PayloadFile.Rewrite(); });
}

void PayloadWriteBlock() {
    ++PayloadBlockNo;
    const std::uint8_t* block = PayloadImage + std::int64_t(PayloadBlockNo - 1) * PayloadBlockSize;
    for (int i = 0; i < PayloadBlockSize; ++i) {
        ++PayloadPosition;
        if (PayloadPosition > PayloadSize) {
            CloseAndReplace();
            return;
        }
        Checked([&] { PayloadFile.Write(block[i]); });
    }
}

bool PayloadDone() {
    return PayloadPosition > PayloadSize;
}

void WriteApplication(const std::string& Dir, const std::function<void(std::int64_t)>& OnBlock) {
    if (!platform::DirectoryExists(Dir)) ForceDir(Dir);
    PayloadOpen(Dir + "Pictoro.Exe");
    do {
        PayloadWriteBlock();
        OnBlock(PayloadPosition);
    } while (!PayloadDone());
}

void ForceDir(std::string Dir) {
    if (Dir.empty() || Dir.back() != '\\') Dir += '\\';
    for (std::size_t end = Dir.find('\\'); end != std::string::npos; end = Dir.find('\\', end + 1)) {
        std::string level = Dir.substr(0, end);
        if (level.empty() || level.back() == ':' || level.back() == '\\') continue;
        if (!platform::DirectoryExists(level)) platform::CreateDir(level);
    }
}
