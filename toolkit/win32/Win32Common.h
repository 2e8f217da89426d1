// Shared pieces of the Win32 backend: the one place that includes <windows.h> for it.
#pragma once

#include <windows.h>

// wingdi.h makes these macros; the toolkit has functions of the same names.
#undef GetRValue
#undef GetGValue
#undef GetBValue

#include <functional>
#include <string>

#include "toolkit/Graphics.h"

class TFont;
class TForm;
class TWinControl;

namespace win32 {

HINSTANCE Instance();

// Runs a call into the model from a window procedure: exceptions never leave it.
void Guarded(const std::function<void()>& call) noexcept;

// A GDI colour for a model colour (system colours resolved).
COLORREF ToColorRef(TColor color);

// Cached GDI objects, alive until the program ends.
HFONT FontHandle(const TFont& font, const TScale& scale = TScale());
HBRUSH SolidBrush(TColor color);

// The application window: owner of the forms, carrier of the task-bar button, target of
// timers and wake-up messages. Created on first use, on the GUI thread.
HWND ApplicationWindow();
constexpr UINT WakeMessage = WM_APP + 1;
constexpr UINT RunMessage = WM_APP + 2; // lParam: a std::function<void()> made with new

// True once if the model held the mouse capture on this window and Windows took it away
// (a message box or menu appeared): the press then ends as a release outside.
bool CaptureTakenFrom(const TWinControl& window);

// The DPI a window shows at (the system's where Windows cannot tell a window's own); the
// outer rectangle of a client rectangle at a DPI; a system metric at a DPI.
int WindowDpi(HWND window);
void AdjustForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
int SystemMetricForDpi(int index, int dpi);

// The form that a window lies on (its top-level ancestor), or the main form.
TForm* FormOfWindow(HWND window);

} // namespace win32
