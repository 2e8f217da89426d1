#include "toolkit/Forms.h"
#include "toolkit/win32/WindowPeer.h"

namespace win32 {

namespace {

const char* FormClassName() {
    static const char* const name = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = ContainerPeer::WindowProcedure;
        windowClass.cbWndExtra = ContainerPeer::PeerBytes;
        windowClass.hInstance = Instance();
        windowClass.hIcon = LoadIconA(Instance(), "MAINICON");
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "PictoroForm";
        RegisterClassA(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

} // namespace

FormPeer::FormPeer(TForm& form) : ContainerPeer(form), form_(form) {}

DWORD FormPeer::Style() const {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (form_.BorderStyle) {
    case bsNone: return style | WS_POPUP;
    case bsDialog: style |= WS_POPUP | WS_CAPTION; break;
    case bsSizeable:
    case bsSizeToolWin: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    default: style |= WS_OVERLAPPED | WS_CAPTION; break;
    }
    if (form_.BorderIcons & biSystemMenu) {
        style |= WS_SYSMENU;
        if (form_.BorderStyle != bsDialog) {
            if (form_.BorderIcons & biMinimize) style |= WS_MINIMIZEBOX;
            if (form_.BorderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}

DWORD FormPeer::ExStyle() const {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (form_.BorderStyle == bsDialog) exStyle |= WS_EX_DLGMODALFRAME;
    if (form_.BorderStyle == bsToolWindow || form_.BorderStyle == bsSizeToolWin) exStyle |= WS_EX_TOOLWINDOW;
    return exStyle;
}

void FormPeer::Create() {
    const Placement place = Placed();
    HWND window = CreateWindowExA(ExStyle(), FormClassName(), form_.Caption().c_str(), Style(), place.x, place.y,
                                  place.width, place.height, ApplicationWindow(), nullptr, Instance(), this);
    if (!window) throw Exception("Error creating window");
    if (form_.Visible()) ShowOrHide();
}

// The outer size makes the client area exactly the form's client size.
FormPeer::Placement FormPeer::Placed() const {
    const int clientWidth = form_.ClientWidthValue() ? form_.ClientWidthValue() : form_.Width();
    const int clientHeight = form_.ClientHeightValue() ? form_.ClientHeightValue() : form_.Height();
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, Style(), FALSE, ExStyle());
    Placement place{form_.Left(), form_.Top(), outer.right - outer.left, outer.bottom - outer.top};
    if (form_.Position == poScreenCenter) {
        place.x = (GetSystemMetrics(SM_CXSCREEN) - place.width) / 2;
        place.y = (GetSystemMetrics(SM_CYSCREEN) - place.height) / 2;
    }
    return place;
}

void FormPeer::ApplyBounds() {
    const Placement place = Placed();
    SetWindowPos(hwnd_, nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormPeer::ShowOrHide() {
    if (!form_.Visible()) {
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    if (!shownBefore_) {
        shownBefore_ = true;
        ApplyBounds();
    }
    ShowWindow(ApplicationWindow(), SW_SHOWNOACTIVATE); // the task-bar button
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void FormPeer::Changed(TChange what) {
    if (!hwnd_) return;
    if (what == TChange::Visible) {
        ShowOrHide();
        return;
    }
    ContainerPeer::Changed(what);
}

LRESULT FormPeer::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE: Guarded([this] { form_.Close(); }); return 0;
    case WM_ACTIVATE:
        // Windows gives the focus to the form itself; bring back the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        } else if (lastFocus_ && IsChild(hwnd_, lastFocus_) && IsWindowVisible(lastFocus_) &&
                   IsWindowEnabled(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    default: break;
    }
    return ContainerPeer::Message(message, wParam, lParam);
}

} // namespace win32
