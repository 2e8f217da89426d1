// Screen, colours, capture, popup menus and message boxes.
#include "toolkit/Backend.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/win32/WindowPeer.h"

namespace {

HWND WindowOf(const TWinControl& control) {
    return control.Peer() ? reinterpret_cast<HWND>(control.Peer()->Handle()) : nullptr;
}

// The active form, else the main form, else the application window.
HWND OwnerWindow() {
    HWND active = GetActiveWindow();
    if (active && win32::WindowPeer::FromHandle(active)) return active;
    if (Application && Application->MainForm)
        if (HWND main = WindowOf(*Application->MainForm)) return main;
    return win32::ApplicationWindow();
}

} // namespace

TColor backend::SystemColor(int index) {
    return TColor(GetSysColor(index));
}

TSize backend::ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TPoint backend::ClientToScreen(const TWinControl& control, TPoint clientPoint) {
    const TPoint onScreen = control.Scale().Apply(clientPoint);
    POINT point{onScreen.X, onScreen.Y};
    if (HWND window = WindowOf(control)) ::ClientToScreen(window, &point);
    return {int(point.x), int(point.y)};
}

namespace {
const TWinControl* modelCapture = nullptr; // where the model last put the capture
}

bool win32::CaptureTakenFrom(const TWinControl& window) {
    if (modelCapture != &window) return false;
    modelCapture = nullptr;
    return true;
}

void backend::SetCapture(TWinControl* window) {
    HWND handle = window ? WindowOf(*window) : nullptr;
    modelCapture = handle ? window : nullptr;
    if (handle) {
        ::SetCapture(handle);
    } else if (GetCapture() && win32::WindowPeer::FromHandle(GetCapture())) {
        ReleaseCapture();
    }
}

void backend::PopupAt(TPopupMenu& menu, TPoint screenPoint) {
    HMENU popup = CreatePopupMenu();
    for (size_t i = 0; i < menu.Items.size(); ++i) {
        const std::string& caption = menu.Items[i]->Caption;
        if (caption == "-") {
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(popup, MF_STRING, i + 1, caption.c_str());
        }
    }
    HWND owner = OwnerWindow();
    SetForegroundWindow(owner);
    const UINT chosen = UINT(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                                            screenPoint.X, screenPoint.Y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    DestroyMenu(popup);
    if (chosen == 0 || chosen > menu.Items.size()) return;
    TMenuItem* item = menu.Items[chosen - 1];
    if (item->OnClick) win32::Guarded([item] { item->OnClick(item); });
}

int backend::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    // A press in progress ends as a release outside; the box needs the mouse.
    if (HWND captured = GetCapture(); captured && win32::WindowPeer::FromHandle(captured)) ReleaseCapture();
    return MessageBoxA(OwnerWindow(), text.c_str(), caption.c_str(), flags);
}
