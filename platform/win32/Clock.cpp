#include <windows.h>

#include "platform/DateTime.h"
#include "platform/Platform.h"

namespace platform {

double Now() {
    SYSTEMTIME time;
    GetLocalTime(&time);
    return EncodeDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                          time.wMilliseconds);
}

void SleepEx(std::uint32_t milliseconds, bool alertable) {
    ::SleepEx(milliseconds, alertable ? TRUE : FALSE);
}

int ScreenBitsPerPixel() {
    HDC screen = GetDC(nullptr);
    int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bits;
}

} // namespace platform
