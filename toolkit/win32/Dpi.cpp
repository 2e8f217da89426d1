// The DPI of the display and of a window. The calls that tell a window's own DPI came with
// Windows 10; they are looked up when first needed, so that the program also starts on
// Windows 7, where the system's DPI holds for every window.
#include "toolkit/Backend.h"
#include "toolkit/win32/Win32Common.h"

namespace win32 {

namespace {

template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowCall>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dpi ? int(dpi) : backend::DisplayDpi();
}

void AdjustForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    using AdjustCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustCall>("AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, UINT(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

int SystemMetricForDpi(int index, int dpi) {
    using MetricCall = int(WINAPI*)(int, UINT);
    static const auto metricForDpi = User32Function<MetricCall>("GetSystemMetricsForDpi");
    return metricForDpi ? metricForDpi(index, UINT(dpi)) : GetSystemMetrics(index);
}

} // namespace win32

int backend::DisplayDpi() {
    using GetDpiForSystemCall = UINT(WINAPI*)();
    static const auto getDpiForSystem = win32::User32Function<GetDpiForSystemCall>("GetDpiForSystem");
    if (getDpiForSystem) return int(getDpiForSystem());
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : DesignDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DesignDpi;
}
