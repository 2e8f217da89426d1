#include "engine/PB_Pictoro.h"

#include <algorithm>
#include <vector>

#include "engine/PayloadCheck.h"
#include "engine/PayloadCodec.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"

std::int32_t PayloadBlockNo = 0;
std::int64_t PayloadPosition = 0;

namespace {

platform::TextFile PayloadFile;
std::string PayloadTarget;
const std::uint8_t* WriterImage = nullptr;
std::int64_t WriterSize = 0;

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

const std::uint8_t* PayloadImage() {
    static std::vector<std::uint8_t> decoded;
    if (decoded.empty()) {
        std::vector<std::uint8_t> image = DecodeStoredImage(PayloadStored, PayloadStoredSize, PayloadSize);
        if (image.empty() || !PayloadIntact(image.data(), image.size(), PayloadImageCrc)) throw EPayloadDamaged();
        decoded = std::move(image);
    }
    return decoded.data();
}

void PayloadLoad() {
    PayloadUse(PayloadImage(), PayloadSize);
}

void PayloadUse(const std::uint8_t* image, std::int32_t size) {
    WriterImage = image;
    WriterSize = size;
}

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
    if (PayloadPosition == WriterSize) { // every byte is written: the closing step
        ++PayloadPosition;
        CloseAndReplace();
        return;
    }
    const std::int64_t end = std::min(PayloadPosition + PayloadBlockSize, WriterSize);
    while (PayloadPosition < end) {
        ++PayloadPosition;
        Checked([] { PayloadFile.Write(WriterImage[PayloadPosition - 1]); });
    }
}

bool PayloadDone() {
    return PayloadPosition > WriterSize;
}

void WriteApplication(const std::string& Dir, const std::function<void(std::int64_t)>& OnBlock) {
    PayloadLoad();
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
