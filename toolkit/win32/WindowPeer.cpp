#include "toolkit/win32/WindowPeer.h"

#include "toolkit/Forms.h"

namespace win32 {

namespace {
const char* const PeerProperty = "Pictoro.Peer";
}

WindowPeer::~WindowPeer() {
    if (!hwnd_) return;
    RemovePropA(hwnd_, PeerProperty); // nothing reaches this peer any more
    DestroyWindow(hwnd_);
}

WindowPeer* WindowPeer::FromHandle(HWND window) {
    return window ? static_cast<WindowPeer*>(GetPropA(window, PeerProperty)) : nullptr;
}

void WindowPeer::WindowDestroyed() {
    RemovePropA(hwnd_, PeerProperty);
    hwnd_ = nullptr;
}

void WindowPeer::Attach(HWND window) {
    hwnd_ = window;
    SetPropA(window, PeerProperty, this);
}

HWND WindowPeer::ParentHandle() const {
    TWinControl* parent = control_.Parent();
    if (parent && parent->Peer()) return reinterpret_cast<HWND>(parent->Peer()->Handle());
    return ApplicationWindow(); // parked until the control gets a parent with a window
}

void WindowPeer::CreateChild(const char* className, DWORD style, DWORD exStyle, void* createParam) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control_.Visible()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    const TRect place = Place();
    HWND window = CreateWindowExA(exStyle, className, control_.Text().c_str(), style, place.Left, place.Top,
                                  place.Width(), place.Height(), ParentHandle(), nullptr, Instance(), createParam);
    if (!window) throw Exception("Error creating window");
    if (!hwnd_) Attach(window);
    ApplyFont();
}

TRect WindowPeer::Place() const {
    return control_.Scale().Bounds(control_.BoundsRect());
}

void WindowPeer::ApplyBounds() {
    const TRect place = Place();
    SetWindowPos(hwnd_, nullptr, place.Left, place.Top, place.Width(), place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::ApplyFont() {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(control_.ShownFont(), control_.Scale())), TRUE);
}

void WindowPeer::Changed(TChange what) {
    if (!hwnd_) return;
    Applying applying(*this);
    switch (what) {
    case TChange::Bounds: ApplyBounds(); break;
    case TChange::Visible: ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE); break;
    case TChange::Enabled: EnableWindow(hwnd_, control_.Enabled()); break;
    case TChange::Text: SetWindowTextA(hwnd_, control_.Text().c_str()); break;
    case TChange::Font:
        ApplyFont();
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    case TChange::Color: InvalidateRect(hwnd_, nullptr, TRUE); break;
    case TChange::Parent:
        SetParent(hwnd_, ParentHandle());
        ApplyBounds();
        break;
    case TChange::Focus:
        if (GetFocus() != hwnd_) SetFocus(hwnd_);
        break;
    default: break;
    }
}

void WindowPeer::Invalidate(const TRect& clientRect) {
    if (!hwnd_) return;
    const TRect onScreen = control_.Scale().Bounds(clientRect);
    RECT r{onScreen.Left, onScreen.Top, onScreen.Right, onScreen.Bottom};
    InvalidateRect(hwnd_, &r, TRUE);
}

void WindowPeer::Update() {
    if (hwnd_) UpdateWindow(hwnd_);
}

HBRUSH WindowPeer::ControlColor(HDC dc) {
    const TColor back = control_.EffectiveColor();
    SetTextColor(dc, ToColorRef(control_.Font().Color()));
    SetBkColor(dc, ToColorRef(back));
    return SolidBrush(back);
}

TForm* FormOfWindow(HWND window) {
    if (WindowPeer* peer = WindowPeer::FromHandle(GetAncestor(window, GA_ROOT)))
        if (auto* form = dynamic_cast<TForm*>(&peer->Control())) return form;
    return Application ? Application->MainForm : nullptr;
}

} // namespace win32
