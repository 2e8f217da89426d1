// Functions of system DLLs that the program does not import, so that loading those DLLs does
// not hold up the start: a DLL is loaded from the system folder when one of its functions is
// first asked for, and stays loaded.
#pragma once

#include <windows.h>

namespace platform {

// NAME of the system DLL LIBRARY ("shell32.dll"); null if either is missing.
FARPROC SystemProcedure(const char* library, const char* name);

// Typed by the SDK's own declaration, as in SystemFunction<decltype(&::ShellExecuteA)>(...), so
// the calling convention (WINAPI, __stdcall on i686) is the one Windows calls with.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcedure(library, name)));
}

} // namespace platform
