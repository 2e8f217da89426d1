#include "platform/win32/SystemLibrary.h"

namespace platform {

namespace {

// Where the loader can search the system folder alone (Windows 8 on, and Windows 7 with its
// 2011 loader update, which brought SetDefaultDllDirectories), it does so for the DLL and for
// everything the DLL imports in turn.
bool SearchSystemFolderOnly() {
    static const bool supported =
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories") != nullptr;
    return supported;
}

// Older systems: the DLL by its full path; its own imports are then looked for in its folder
// first.
HMODULE LoadByFullPath(const char* library) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + 1 + UINT(lstrlenA(library)) >= MAX_PATH) return nullptr;
    path[length] = '\\';
    lstrcpyA(path + length + 1, library);
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadSystemLibrary(const char* library) {
    return SearchSystemFolderOnly() ? LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)
                                    : LoadByFullPath(library);
}

} // namespace

FARPROC SystemProcedure(const char* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    return module ? GetProcAddress(module, name) : nullptr;
}

// Those the loader's trace of a whole installation under Wine shows loaded by name (not
// imported, not KnownDLLs), and those other installers have been attacked through.
void LoadSystemLibraries() {
    static const char* const libraries[] = {
        "uxtheme.dll", "propsys.dll",   "shcore.dll",   "windowscodecs.dll", "oleacc.dll",   "msimg32.dll",
        "combase.dll", "coml2.dll",     "ucrtbase.dll", "userenv.dll",       "setupapi.dll", "apphelp.dll",
        "dwmapi.dll",  "cryptbase.dll", "clbcatq.dll",  "ntmarta.dll",       "version.dll",
    };
    for (const char* library : libraries) LoadSystemLibrary(library); // stays loaded
}

} // namespace platform
