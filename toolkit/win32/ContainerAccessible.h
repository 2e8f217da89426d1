// What a container window tells assistive technology (MSAA): its window-less controls as
// simple elements, its child windows as their own objects; the rest as the standard object
// of the window answers it.
#pragma once

#include <string>

#include "toolkit/win32/Win32Common.h"

namespace win32 {

// The answer to WM_GETOBJECT: for OBJID_CLIENT the container's object, for OBJID_WINDOW of a
// child window the standard window object with the parent's client object as its parent, else
// 0 (the default handling).
LRESULT ContainerObject(HWND window, WPARAM wParam, LPARAM lParam);
// The answer to WM_GETOBJECT for a system control: for OBJID_CLIENT, if the model names it,
// its standard object with that name; OBJID_WINDOW as above; else 0.
LRESULT NativeControlObject(HWND window, WPARAM wParam, LPARAM lParam, const std::string& name);

} // namespace win32
