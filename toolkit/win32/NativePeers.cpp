#include "toolkit/win32/NativePeers.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/win32/SystemLibrary.h"
#include "toolkit/Forms.h"
#include "toolkit/win32/ContainerAccessible.h"

namespace win32 {

namespace {

// Themed check boxes and radio buttons ignore the text colour; these draw classically so
// the model's colours show.
void UseClassicLook(HWND window) {
    static const auto setTheme = platform::SystemFunction<decltype(&::SetWindowTheme)>("uxtheme.dll", "SetWindowTheme");
    if (setTheme) setTheme(window, L"", L"");
}

} // namespace

// ---- NativePeer ----

NativePeer::~NativePeer() {
    if (hwnd_) RemoveWindowSubclass(hwnd_, SubclassProcedure, 0);
}

void NativePeer::CreateNative(const char* className, DWORD style, DWORD exStyle) {
    CreateChild(className, style, exStyle);
    SetWindowSubclass(hwnd_, SubclassProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK NativePeer::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data) {
    auto* peer = reinterpret_cast<NativePeer*>(data);
    switch (message) {
    case WM_SETFOCUS:
        Guarded([peer] {
            TWinControl& control = peer->control_;
            if (TForm* form = control.ParentForm())
                if (form->ActiveControl() != &control) form->SetActiveControl(&control);
        });
        break;
    case WM_KEYDOWN:
        if (peer->KeyDown(wParam)) return 0;
        break;
    case WM_GETOBJECT:
        if (const LRESULT object = NativeControlObject(window, wParam, lParam, peer->control_.AccessibleName))
            return object;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, SubclassProcedure, 0);
        peer->WindowDestroyed();
        break;
    default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// ---- StaticTextPeer ----

void StaticTextPeer::Create() {
    DWORD style = SS_LEFT;
    if (text_.Alignment == taCenter) style = SS_CENTER;
    if (text_.Alignment == taRightJustify) style = SS_RIGHT;
    CreateNative("STATIC", style, 0);
}

// ---- CheckPeer ----

void CheckPeer::Create(bool radio) {
    CreateNative("BUTTON", (radio ? BS_RADIOBUTTON : BS_CHECKBOX) | WS_TABSTOP, 0);
    UseClassicLook(hwnd_);
    SendMessageA(hwnd_, BM_SETCHECK, button_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckPeer::Changed(TChange what) {
    if (what == TChange::Checked && hwnd_) {
        Applying applying(*this);
        SendMessageA(hwnd_, BM_SETCHECK, button_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    }
    NativePeer::Changed(what);
}

void CheckPeer::Command(WORD notification) {
    if (notification == BN_CLICKED && !applying_) Guarded([this] { button_.ClickedByUser(); });
}

HBRUSH CheckPeer::ControlColor(HDC dc) {
    HBRUSH brush = NativePeer::ControlColor(dc);
    SetBkMode(dc, TRANSPARENT);
    return brush;
}

// ---- EditPeer ----

void EditPeer::Create() {
    CreateNative("EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

std::string EditPeer::WindowText() const {
    std::string text(size_t(GetWindowTextLengthA(hwnd_)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(hwnd_, text.data(), int(text.size()))));
    return text;
}

void EditPeer::Changed(TChange what) {
    // Only a text that differs is put in, so typing keeps its caret.
    if (what == TChange::Text && hwnd_ && WindowText() == edit_.Text()) return;
    NativePeer::Changed(what);
}

void EditPeer::Command(WORD notification) {
    if (notification != EN_CHANGE || applying_) return;
    const std::string text = WindowText();
    Guarded([this, &text] { edit_.TextEditedByUser(text); });
}

// ---- ProgressPeer ----

void ProgressPeer::Create() {
    CreateNative(PROGRESS_CLASSA, bar_.Smooth ? PBS_SMOOTH : 0, 0);
    ApplyRangeAndPosition();
}

void ProgressPeer::ApplyRangeAndPosition() {
    SendMessageA(hwnd_, PBM_SETRANGE32, WPARAM(bar_.Min()), LPARAM(bar_.Max()));
    SendMessageA(hwnd_, PBM_SETPOS, WPARAM(bar_.Position()), 0);
}

void ProgressPeer::Changed(TChange what) {
    if ((what == TChange::Range || what == TChange::Position) && hwnd_) {
        ApplyRangeAndPosition();
        return;
    }
    NativePeer::Changed(what);
}

} // namespace win32
