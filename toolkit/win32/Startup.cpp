// Start of the program: a DLL planted beside the program is never loaded, and the
// common controls are ready before the first window.
#include "toolkit/Backend.h"
#include "toolkit/win32/Win32Common.h"

#include <commctrl.h>

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace {

// Only the system directory, where the call exists (Windows 8, or 7 with its update);
// elsewhere at least the current directory leaves the search order.
void RestrictDllSearchPath() {
    // The SDK's own declaration gives the type, so the calling convention (WINAPI, __stdcall
    // on i686) cannot differ from the one Windows calls with; decltype imports nothing.
    using SetDefaultDirectories = decltype(&::SetDefaultDllDirectories);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto setDefault = kernel ? reinterpret_cast<SetDefaultDirectories>(
                                   reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                             : nullptr;
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryA("");
}

// Before main, as soon as this unit is initialised.
[[maybe_unused]] const bool searchPathRestricted = (RestrictDllSearchPath(), true);

} // namespace

void backend::ApplicationStarting() {
    RestrictDllSearchPath();
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    win32::ApplicationWindow();
}
