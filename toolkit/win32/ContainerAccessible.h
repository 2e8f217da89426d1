// What a container window tells assistive technology (MSAA): its window-less controls as
// simple elements, its child windows as their own objects; the rest as the standard object
// of the window answers it.
#pragma once

#include "toolkit/win32/Win32Common.h"

namespace win32 {

// The answer to WM_GETOBJECT: for OBJID_CLIENT the container's object, else 0 (the default
// handling).
LRESULT ContainerObject(HWND window, WPARAM wParam, LPARAM lParam);

} // namespace win32
