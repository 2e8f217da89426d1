// The application window: a zero-sized top-level window that owns the forms, so that the
// task bar shows the application's title while the main form shows its own caption. It
// also receives the timers and the wake-up of the synchronise calls.
#include <atomic>
#include <memory>

#include "toolkit/Backend.h"
#include "toolkit/Classes.h"
#include "toolkit/Forms.h"
#include "toolkit/win32/Win32Common.h"

namespace win32 {

void TimerFired(UINT_PTR id); // Timers.cpp

namespace {

std::atomic<HWND> applicationWindow{nullptr};

HWND MainFormWindow() {
    if (!Application || !Application->MainForm || !Application->MainForm->Peer()) return nullptr;
    return reinterpret_cast<HWND>(Application->MainForm->Peer()->Handle());
}

LRESULT CALLBACK ApplicationProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: Guarded([wParam] { TimerFired(wParam); }); return 0;
    case WakeMessage: Guarded([] { CheckSynchronize(); }); return 0;
    case RunMessage: {
        const std::unique_ptr<std::function<void()>> action(reinterpret_cast<std::function<void()>*>(lParam));
        Guarded(*action);
        return 0;
    }
    case WM_CLOSE: // "Close window" on the task-bar button
        Guarded([] {
            if (Application && Application->MainForm) Application->MainForm->Close();
        });
        return 0;
    case WM_SETFOCUS: {
        HWND form = MainFormWindow();
        if (form && IsWindowVisible(form) && IsWindowEnabled(form)) SetFocus(form);
        return 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreateApplicationWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ApplicationProcedure;
    windowClass.hInstance = Instance();
    windowClass.hIcon = LoadIconA(Instance(), "MAINICON");
    windowClass.lpszClassName = "PictoroApplication";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "",
                           WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                           GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr,
                           Instance(), nullptr);
}

} // namespace

HWND ApplicationWindow() {
    if (!applicationWindow) applicationWindow = CreateApplicationWindow();
    return applicationWindow;
}

} // namespace win32

void backend::SetApplicationTitle(const std::string& title) {
    SetWindowTextA(win32::ApplicationWindow(), title.c_str());
}

void backend::WakeMainThread() {
    // From any thread: the window exists once the application has started.
    if (HWND window = win32::applicationWindow) PostMessageA(window, win32::WakeMessage, 0, 0);
}

void backend::PostToMainThread(std::function<void()> action) {
    auto* posted = new std::function<void()>(std::move(action));
    if (!PostMessageA(win32::ApplicationWindow(), win32::RunMessage, 0, reinterpret_cast<LPARAM>(posted)))
        delete posted;
}
