#include "toolkit/win32/GdiHandles.h"
#include "toolkit/win32/NativePeers.h"

namespace win32 {

namespace {
constexpr int DropDownHeight = 200; // room for the opened list below the field
constexpr int LevelIndent = 10;
constexpr int FolderWidth = 16;
} // namespace

// ---- ComboPeer ----

void ComboPeer::Create(bool listOnly) {
    CreateNative("COMBOBOX", (listOnly ? CBS_DROPDOWNLIST : CBS_DROPDOWN) | WS_VSCROLL | WS_TABSTOP, 0);
    ApplyBounds();
    Fill();
}

void ComboPeer::ApplyBounds() {
    SetWindowPos(hwnd_, nullptr, control_.Left(), control_.Top(), control_.Width(), control_.Height() + DropDownHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitSelectionField();
}

// A closed combo box is as high as its selection field, which Windows sizes by the font (Wine
// also at every resize). The field is corrected by what the window still differs from the
// model; Wine reads the field back two pixels higher than it was set, hence a second round.
void ComboPeer::FitSelectionField() {
    LRESULT field = SendMessageA(hwnd_, CB_GETITEMHEIGHT, WPARAM(-1), 0);
    for (int round = 0; round < 3 && field != CB_ERR; ++round) {
        const int difference = control_.Height() - ClosedHeight();
        if (difference == 0 || field + difference < 1) return;
        field += difference;
        SendMessageA(hwnd_, CB_SETITEMHEIGHT, WPARAM(-1), field);
    }
}

int ComboPeer::ClosedHeight() const {
    RECT window;
    GetWindowRect(hwnd_, &window);
    return int(window.bottom - window.top);
}

void ComboPeer::Fill() {
    Applying applying(*this);
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : Items())
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(ItemIndex()), 0);
}

void ComboPeer::Changed(TChange what) {
    if (!hwnd_) return;
    switch (what) {
    case TChange::Items: Fill(); break;
    case TChange::ItemIndex:
    case TChange::Text: {
        Applying applying(*this);
        SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(ItemIndex()), 0);
        break;
    }
    case TChange::Font: // a new font sizes the selection field anew
        NativePeer::Changed(what);
        FitSelectionField();
        break;
    default: NativePeer::Changed(what); break;
    }
}

void ComboPeer::Command(WORD notification) {
    if (notification != CBN_SELCHANGE || applying_) return;
    const int index = int(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
    Guarded([this, index] { SelectedByUser(index); });
}

// ---- DirectoryListPeer ----

void DirectoryListPeer::Create() {
    CreateNative("LISTBOX",
                 LBS_NOTIFY | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE);
    SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, list_.ItemHeight);
    Fill();
}

void DirectoryListPeer::Fill() {
    Applying applying(*this);
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    const auto& items = list_.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        const LRESULT index = SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i].c_str()));
        const int level = i < list_.ItemLevels().size() ? list_.ItemLevels()[i] : 0;
        SendMessageA(hwnd_, LB_SETITEMDATA, WPARAM(index), LPARAM(level));
    }
    SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(list_.ItemIndex()), 0);
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void DirectoryListPeer::Changed(TChange what) {
    if (!hwnd_) return;
    switch (what) {
    case TChange::Items: Fill(); break;
    case TChange::ItemIndex: {
        Applying applying(*this);
        SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(list_.ItemIndex()), 0);
        break;
    }
    default: NativePeer::Changed(what); break;
    }
}

int DirectoryListPeer::Selection() const {
    return int(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
}

void DirectoryListPeer::Command(WORD notification) {
    if (applying_) return;
    const int index = Selection();
    if (index < 0) return;
    if (notification == LBN_SELCHANGE) Guarded([this, index] { list_.ItemSelectedByUser(index); });
    if (notification == LBN_DBLCLK) Guarded([this, index] { list_.ItemOpenedByUser(index); });
}

bool DirectoryListPeer::KeyDown(WPARAM key) {
    if (key != VK_RETURN) return false;
    const int index = Selection();
    if (index >= 0) Guarded([this, index] { list_.ItemOpenedByUser(index); });
    return true;
}

// The folders from the root down to the current directory are open; its subfolders closed.
bool DirectoryListPeer::IsOpenFolder(int index) const {
    const auto& levels = list_.ItemLevels();
    if (levels.empty()) return false;
    const int last = int(levels.size()) - 1;
    const bool lastIsCurrent = lstrcmpiA(list_.ItemPath(last).c_str(), list_.Directory().c_str()) == 0;
    return lastIsCurrent || levels[size_t(index)] < levels[size_t(last)];
}

namespace {

void DrawFolder(HDC dc, int x, int y, bool open) {
    HBRUSH body = SolidBrush(RGBColor(0xF0, 0xD0, 0x60));
    HBRUSH front = SolidBrush(open ? RGBColor(0xFF, 0xEC, 0xA0) : RGBColor(0xE0, 0xB8, 0x40));
    HBRUSH edge = SolidBrush(RGBColor(0x80, 0x60, 0x10));
    RECT tab{x + 1, y, x + 6, y + 2};
    RECT back{x, y + 1, x + 14, y + 11};
    RECT face{x + 1, y + (open ? 4 : 3), x + 13, y + 10};
    FillRect(dc, &tab, edge);
    FillRect(dc, &back, edge);
    RECT inner{back.left + 1, back.top + 1, back.right - 1, back.bottom - 1};
    FillRect(dc, &inner, body);
    FillRect(dc, &face, front);
}

} // namespace

bool DirectoryListPeer::DrawItem(const DRAWITEMSTRUCT& item) {
    const int index = int(item.itemID);
    if (index < 0 || index >= int(list_.Items().size())) return true;
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const TColor back = selected ? TColor(GetSysColor(COLOR_HIGHLIGHT)) : control_.EffectiveColor();
    RECT area = item.rcItem;
    FillRect(dc, &area, SolidBrush(back));

    const int x = area.left + 2 + int(item.itemData) * LevelIndent;
    DrawFolder(dc, x, (area.top + area.bottom - 11) / 2, IsOpenFolder(index));

    {
        SelectedObject font(dc, FontHandle(control_.Font()));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ToColorRef(control_.Font().Color()));
        RECT text{x + FolderWidth + 2, area.top, area.right, area.bottom};
        const std::string& name = list_.Items()[size_t(index)];
        DrawTextA(dc, name.c_str(), int(name.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &area);
    return true;
}

} // namespace win32
