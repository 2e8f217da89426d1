#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/Platform.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/SystemLibrary.h"

namespace platform {

namespace {

// The system's text for a result code, without its closing full stop and line end.
std::string SystemErrorText(HRESULT result) {
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, DWORD(result), 0,
                                  text, sizeof text, nullptr);
    while (length > 0 && (static_cast<unsigned char>(text[length - 1]) <= ' ' || text[length - 1] == '.')) --length;
    if (length > 0) return std::string(text, length);
    std::string unknown = "OLE error ";
    for (int shift = 28; shift >= 0; shift -= 4)
        unknown += "0123456789ABCDEF"[(static_cast<unsigned long>(result) >> shift) & 0xF];
    return unknown;
}

} // namespace

std::int32_t SHGetFolderPathA(std::uintptr_t ownerWindow, int csidl, std::uint32_t flags, std::string& path) {
    static const auto getFolderPath = SystemFunction<decltype(&::SHGetFolderPathA)>("shell32.dll", "SHGetFolderPathA");
    if (!getFolderPath) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    char folder[MAX_PATH] = {};
    HRESULT result = getFolderPath(reinterpret_cast<HWND>(ownerWindow), csidl, nullptr, flags, folder);
    if (SUCCEEDED(result)) path = folder;
    return result;
}

struct ShellLink::Impl {
    ComPtr<IShellLinkA> Link;
    ComPtr<IPersistFile> File;
};

ShellLink::ShellLink() : impl_(std::make_unique<Impl>()) {
    ComPtr<IUnknown> object;
    HRESULT result = CoCreateInstance(__uuidof(::ShellLink), nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                      __uuidof(IUnknown), object.Out());
    if (FAILED(result)) throw EOleSysError(SystemErrorText(result), result);
    if (!object.Query(impl_->Link) || !object.Query(impl_->File)) throw EIntfCastError("Interface not supported");
}

ShellLink::~ShellLink() = default;

void ShellLink::SetArguments(const std::string& arguments) {
    impl_->Link->SetArguments(arguments.c_str());
}
void ShellLink::SetDescription(const std::string& description) {
    impl_->Link->SetDescription(description.c_str());
}
void ShellLink::SetPath(const std::string& path) {
    impl_->Link->SetPath(path.c_str());
}

void ShellLink::SetIconLocation(const std::string& path, int index) {
    impl_->Link->SetIconLocation(path.c_str(), index);
}

void ShellLink::Save(const std::u16string& fileName, bool remember) {
    impl_->File->Save(reinterpret_cast<LPCOLESTR>(fileName.c_str()), remember ? TRUE : FALSE);
}

std::u16string AnsiToWide(const std::string& text) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
    return std::u16string(wide.begin(), wide.end());
}

bool CoInitializeApartment() {
    return SUCCEEDED(CoInitialize(nullptr));
}

void CoUninitializeApartment() {
    CoUninitialize();
}

} // namespace platform
