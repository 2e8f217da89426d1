#include "platform/headless/WriteBehind.h"

#include <unistd.h>

#include <cerrno>

#include "platform/headless/HostErrors.h"

namespace platform::headless {

namespace {

constexpr std::size_t HoldLimit = 64 * 1024;

int WriteOut(int descriptor, const std::uint8_t* data, std::size_t count) {
    while (count > 0) {
        ssize_t written = write(descriptor, data, count);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return ErrnoCode(errno);
        data += written;
        count -= std::size_t(written);
    }
    return ioOK;
}

void WriteHeld(OpenFile& file) {
    int code = WriteOut(file.Descriptor, file.Held.data(), file.Held.size());
    file.Held.clear();
    if (file.HeldFailure == ioOK) file.HeldFailure = code;
}

int TakeFailure(OpenFile& file) {
    int code = file.HeldFailure;
    file.HeldFailure = ioOK;
    return code;
}

} // namespace

int HoldForWrite(OpenFile& file, const std::uint8_t* data, std::size_t count) {
    file.Held.insert(file.Held.end(), data, data + count);
    if (file.Held.size() >= HoldLimit) WriteHeld(file);
    return TakeFailure(file);
}

int WriteHeldAndReport(OpenFile& file) {
    WriteHeld(file);
    return TakeFailure(file);
}

void WriteAllHeld() {
    for (auto& [handle, file] : State().OpenFiles)
        if (!file.Held.empty()) WriteHeld(file);
}

} // namespace platform::headless
