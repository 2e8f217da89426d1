#include "platform/win32/SystemLibrary.h"

namespace platform {

FARPROC SystemProcedure(const char* library, const char* name) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + 1 + UINT(lstrlenA(library)) >= MAX_PATH) return nullptr;
    path[length] = '\\';
    lstrcpyA(path + length + 1, library);
    // The DLL's own imports are looked for in its folder first.
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace platform
