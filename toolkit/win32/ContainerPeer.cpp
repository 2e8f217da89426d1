#include "toolkit/Dispatch.h"
#include "toolkit/win32/ContainerAccessible.h"
#include "toolkit/win32/GdiCanvas.h"
#include "toolkit/win32/GdiHandles.h"
#include "toolkit/win32/WindowPeer.h"

#include <windowsx.h>

namespace win32 {

namespace {

TShiftState ShiftOf(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

} // namespace

const char* ContainerPeer::ClassName() {
    static const char* const name = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = WindowProcedure;
        windowClass.cbWndExtra = PeerBytes;
        windowClass.hInstance = Instance();
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "PictoroContainer";
        RegisterClassA(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

void ContainerPeer::Create() {
    CreateChild(ClassName(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, this);
}

ContainerPeer::~ContainerPeer() {
    if (hwnd_) SetWindowLongPtrA(hwnd_, 0, 0); // the window's last messages find no peer
}

// The peer is kept in the window's own bytes, which are read without a call to the window
// manager (a window property costs one on every message).
LRESULT CALLBACK ContainerPeer::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (auto* peer = static_cast<ContainerPeer*>(create->lpCreateParams)) {
            peer->Attach(window);
            SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(peer));
        }
    }
    auto* peer = reinterpret_cast<ContainerPeer*>(GetWindowLongPtrA(window, 0));
    if (!peer) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, 0, 0);
        peer->WindowDestroyed();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return peer->Message(message, wParam, lParam);
    } catch (...) { // the model's calls are guarded; nothing may unwind through Windows
        return 0;
    }
}

void ContainerPeer::Changed(TChange what) {
    WindowPeer::Changed(what);
    if (hwnd_ && (what == TChange::Text || what == TChange::Style)) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT ContainerPeer::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (MouseMessage(message, wParam, lParam)) return 0;
    switch (message) {
    case WM_ERASEBKGND: return 1; // the paint covers everything
    case WM_PAINT: Paint(); return 0;
    case WM_CAPTURECHANGED:
        if (CaptureTakenFrom(control_)) dispatch::MouseUp(control_, mbLeft, 0, -1, -1);
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        dispatch::MouseLeftWindow(control_);
        return 0;
    case WM_COMMAND:
        if (WindowPeer* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
            child->Command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (WindowPeer* child = FromHandle(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = child->ControlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_GETOBJECT:
        if (const LRESULT object = ContainerObject(hwnd_, wParam, lParam)) return object;
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (WindowPeer* child = FromHandle(item->hwndItem))
            if (child->DrawItem(*item)) return TRUE;
        break;
    }
    default: break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool ContainerPeer::MouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < WM_MOUSEFIRST || message > WM_MOUSELAST) return false; // spares the key-state call
    const TPoint p = control_.Scale().Unapply(TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    const int x = p.X, y = p.Y;
    const TShiftState shift = ShiftOf(wParam);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: dispatch::MouseDown(control_, mbLeft, shift, x, y, message == WM_LBUTTONDBLCLK); return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        dispatch::MouseDown(control_, mbRight, shift, x, y, message == WM_RBUTTONDBLCLK);
        return true;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        dispatch::MouseDown(control_, mbMiddle, shift, x, y, message == WM_MBUTTONDBLCLK);
        return true;
    case WM_LBUTTONUP: dispatch::MouseUp(control_, mbLeft, shift, x, y); return true;
    case WM_RBUTTONUP: dispatch::MouseUp(control_, mbRight, shift, x, y); return true;
    case WM_MBUTTONUP: dispatch::MouseUp(control_, mbMiddle, shift, x, y); return true;
    case WM_MOUSEMOVE:
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd_, 0};
            trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        }
        dispatch::MouseMove(control_, shift, x, y);
        return true;
    default: return false;
    }
}

// Double-buffered: the whole client area is painted into memory, the dirty part copied.
void ContainerPeer::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    const RECT& dirty = paint.rcPaint;
    RECT client;
    GetClientRect(hwnd_, &client);
    if (dirty.right > dirty.left && dirty.bottom > dirty.top) {
        MemoryDC buffer(dc);
        GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
        SelectedObject selected(buffer.Get(), bitmap.Get());
        {
            const TRect dirtyRect = Rect(dirty.left, dirty.top, dirty.right, dirty.bottom);
            GdiCanvas canvas(buffer.Get());
            canvas.SetScale(control_.Scale());
            canvas.SetViewport({0, 0}, dirtyRect);
            dispatch::PaintWindow(control_, canvas, dirtyRect);
        }
        BitBlt(dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer.Get(), dirty.left,
               dirty.top, SRCCOPY);
    }
    EndPaint(hwnd_, &paint);
}

} // namespace win32
