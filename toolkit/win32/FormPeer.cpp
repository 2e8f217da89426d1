#include <map>

#include "toolkit/Forms.h"
#include "toolkit/win32/WindowPeer.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace win32 {

namespace {

// The program's icon drawn at this size from its nearest image; kept for the program's life.
HICON MainIcon(int size) {
    static std::map<int, HICON> icons;
    HICON& icon = icons[size];
    if (!icon) icon = static_cast<HICON>(LoadImageA(Instance(), "MAINICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    return icon;
}

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
    form_.ChangeDpi(WindowDpi(window)); // its monitor's, where that is not the display's
    ApplyIcons();
    if (form_.Visible()) ShowOrHide();
}

void FormPeer::ApplyIcons() {
    const int dpi = form_.Dpi();
    HICON big = MainIcon(SystemMetricForDpi(SM_CXICON, dpi));
    HICON small = MainIcon(SystemMetricForDpi(SM_CXSMICON, dpi));
    for (HWND window : {hwnd_, ApplicationWindow()}) {
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
}

// Everything at the new DPI, in the rectangle Windows suggests, painted anew.
void FormPeer::DpiChanged(int dpi, const RECT& suggested) {
    form_.ChangeDpi(dpi);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyIcons();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The outer size makes the client area exactly the form's client size at its scale.
FormPeer::Placement FormPeer::Placed() const {
    const TScale scale = form_.Scale();
    const int clientWidth = form_.ClientWidthValue() ? form_.ClientWidthValue() : form_.Width();
    const int clientHeight = form_.ClientHeightValue() ? form_.ClientHeightValue() : form_.Height();
    RECT outer{0, 0, scale.Apply(clientWidth), scale.Apply(clientHeight)};
    AdjustForDpi(outer, Style(), ExStyle(), scale.Dpi());
    Placement place{scale.Apply(form_.Left()), scale.Apply(form_.Top()), outer.right - outer.left,
                    outer.bottom - outer.top};
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
    case WM_GETDPISCALEDSIZE: { // the outer size that keeps the client area exact at the new DPI
        const TScale scale{int(wParam)};
        RECT outer{0, 0, scale.Apply(form_.ClientWidthValue()), scale.Apply(form_.ClientHeightValue())};
        AdjustForDpi(outer, Style(), ExStyle(), scale.Dpi());
        *reinterpret_cast<SIZE*>(lParam) = {outer.right - outer.left, outer.bottom - outer.top};
        return TRUE;
    }
    case WM_DPICHANGED: {
        const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
        Guarded([this, wParam, &suggested] { DpiChanged(LOWORD(wParam), suggested); });
        return 0;
    }
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
