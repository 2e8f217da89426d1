// The message loop: keyboard navigation and accelerators before dispatching.
#include "toolkit/Backend.h"
#include "toolkit/Classes.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Forms.h"
#include "toolkit/win32/WindowPeer.h"

namespace win32 {

namespace {

bool HasClass(HWND window, const char* className) {
    char name[32];
    return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, className) == 0;
}

// Typing belongs to edits and combo boxes (also the edit inside a combo box).
bool TakesCharacters(HWND window) {
    return HasClass(window, "Edit") || HasClass(window, "ComboBox") || HasClass(GetParent(window), "ComboBox");
}

bool IsOurWindow(HWND window) {
    return WindowPeer::FromHandle(GetAncestor(window, GA_ROOT)) != nullptr;
}

// Tab and Shift+Tab move the focus through the tab stops of the form.
bool HandleTab(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 || !IsOurWindow(msg.hwnd)) return false;
    HWND form = GetAncestor(msg.hwnd, GA_ROOT);
    HWND next = GetNextDlgTabItem(form, msg.hwnd == form ? nullptr : msg.hwnd, GetKeyState(VK_SHIFT) < 0);
    if (next && next != msg.hwnd) {
        SetFocus(next);
        if (HasClass(next, "Edit")) SendMessageA(next, EM_SETSEL, 0, -1);
    }
    return true;
}

// Characters as accelerators: Alt+key always (no beep for an unused one), a plain key
// when the focused control does not take typing.
bool HandleAccelerator(const MSG& msg) {
    if (msg.message != WM_CHAR && msg.message != WM_SYSCHAR) return false;
    if (!IsOurWindow(msg.hwnd)) return false;
    if (msg.message == WM_CHAR && TakesCharacters(msg.hwnd)) return false;
    TForm* form = FormOfWindow(msg.hwnd);
    const bool taken = form && dispatch::DialogChar(*form, char(msg.wParam));
    return taken || msg.message == WM_SYSCHAR;
}

void HandleMessage(const MSG& msg) {
    if (HandleTab(msg) || HandleAccelerator(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

} // namespace

} // namespace win32

void backend::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam)); // left for the outer loop
            break;
        }
        win32::HandleMessage(msg);
    }
    CheckSynchronize();
}

void backend::RunMessageLoop() {
    MSG msg;
    while (!(Application && Application->Terminated())) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
        win32::HandleMessage(msg);
    }
}

void backend::QuitMessageLoop() {
    PostQuitMessage(0);
}
