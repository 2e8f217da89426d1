#include "toolkit/win32/Win32Common.h"

#include "toolkit/Forms.h"

namespace win32 {

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

void Guarded(const std::function<void()>& call) noexcept {
    try {
        if (Application) {
            Application->Guard(call);
        } else {
            call();
        }
    } catch (const std::exception& error) {
        // Not one of ours (e.g. out of memory): still shown, never thrown through Windows.
        try {
            if (Application) Application->HandleException(Exception(error.what()));
        } catch (...) {}
    } catch (...) {}
}

COLORREF ToColorRef(TColor color) {
    return ColorToRGB(color) & 0xFFFFFF;
}

} // namespace win32
