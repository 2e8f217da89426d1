#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

#include "platform/Platform.h"
#include "platform/win32/SystemLibrary.h"

namespace platform {

namespace {

const char* OrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

unsigned WinExec(const std::string& commandLine, int show) {
    return ::WinExec(commandLine.c_str(), UINT(show));
}

std::intptr_t ShellExecuteA(std::uintptr_t ownerWindow, const std::string& operation, const std::string& file,
                            const std::string& parameters, const std::string& directory, int show) {
    static const auto shellExecute = SystemFunction<decltype(&::ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (!shellExecute) return SE_ERR_DLLNOTFOUND;
    HINSTANCE result = shellExecute(reinterpret_cast<HWND>(ownerWindow), OrNull(operation), file.c_str(),
                                    OrNull(parameters), OrNull(directory), show);
    return reinterpret_cast<std::intptr_t>(result);
}

std::string GetCommandLineText() {
    return GetCommandLineA();
}

bool WriteStandardError(const std::string& text) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    return error && error != INVALID_HANDLE_VALUE &&
        WriteFile(error, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
}

void SetErrorMode(std::uint32_t mode) {
    ::SetErrorMode(UINT(mode));
}

void Halt(int exitCode) {
    std::exit(exitCode);
}

} // namespace platform
