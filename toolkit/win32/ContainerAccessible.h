// What a container window tells assistive technology (MSAA): its window-less controls as
// simple elements, its child windows as their own objects; the rest as the standard object
// of the window answers it.
#pragma once

#include <string>

#include "toolkit/win32/Win32Common.h"

namespace win32 {

// The answer to WM_GETOBJECT: for OBJID_CLIENT the container's object, else 0 (the default
// handling).
LRESULT ContainerObject(HWND window, WPARAM wParam, LPARAM lParam);
// The answer to WM_GETOBJECT for a system control that the model names: for OBJID_CLIENT its
// standard object with that name, else (or without a name) 0.
LRESULT NamedObject(HWND window, WPARAM wParam, LPARAM lParam, const std::string& name);

} // namespace win32
