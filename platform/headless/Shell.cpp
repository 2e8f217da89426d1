#include <cstdio>

#include "platform/Platform.h"
#include "platform/headless/CodePage.h"
#include "platform/headless/State.h"

namespace platform {

using namespace headless;

namespace {

constexpr std::int32_t HrInvalidArgument = std::int32_t(0x80070057);

std::string OleErrorText(std::int32_t result) {
    switch (std::uint32_t(result)) {
    case 0x80040154: return "Class not registered";
    case 0x80004002: return "No such interface supported";
    case 0x800401F0: return "CoInitialize has not been called";
    case 0x80070005: return "Access is denied";
    default: {
        char text[32];
        std::snprintf(text, sizeof text, "OLE error %.8X", unsigned(result));
        return text;
    }
    }
}

} // namespace

std::int32_t SHGetFolderPathA(std::uintptr_t, int csidl, std::uint32_t, std::string& path) {
    auto folder = State().SpecialFolders.find(csidl & 0xFF);
    if (folder == State().SpecialFolders.end()) return HrInvalidArgument;
    if (folder->second.Result == HrOK) path = folder->second.Path;
    return folder->second.Result;
}

struct ShellLink::Impl {
    std::string Path, Arguments, Description, IconPath;
    int IconIndex = 0;
    bool HasIcon = false;
};

ShellLink::ShellLink() {
    if (std::int32_t failure = State().ShellLinkFailure) throw EOleSysError(OleErrorText(failure), failure);
    impl_ = std::make_unique<Impl>();
}

ShellLink::~ShellLink() = default;

void ShellLink::SetArguments(const std::string& arguments) {
    impl_->Arguments = arguments;
}
void ShellLink::SetDescription(const std::string& description) {
    impl_->Description = description;
}
void ShellLink::SetPath(const std::string& path) {
    impl_->Path = path;
}

void ShellLink::SetIconLocation(const std::string& path, int index) {
    impl_->IconPath = path;
    impl_->IconIndex = index;
    impl_->HasIcon = true;
}

// Saved through the virtual file calls, so faults apply; like the shell, nothing is reported.
void ShellLink::Save(const std::u16string& fileName, bool) {
    std::string record =
        "Path=" + impl_->Path + "\nArguments=" + impl_->Arguments + "\nDescription=" + impl_->Description + "\n";
    if (impl_->HasIcon)
        record += "IconPath=" + impl_->IconPath + "\nIconIndex=" + std::to_string(impl_->IconIndex) + "\n";
    FileHandle handle;
    if (CreateFileForWrite(UnicodeToAnsi(fileName), handle) != ioOK) return;
    WriteFileBytes(handle, reinterpret_cast<const std::uint8_t*>(record.data()), record.size());
    CloseFileHandle(handle);
}

std::u16string AnsiToWide(const std::string& text) {
    return AnsiToUnicode(text);
}

bool CoInitializeApartment() {
    ++State().ComInits;
    return true;
}

void CoUninitializeApartment() {
    --State().ComInits;
}

} // namespace platform
