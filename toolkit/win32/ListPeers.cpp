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
    const TRect place = Place();
    SetWindowPos(hwnd_, nullptr, place.Left, place.Top, place.Width(),
                 place.Height() + control_.Scale().Apply(DropDownHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    FitSelectionField();
}

// A closed combo box is as high as its selection field, which Windows sizes by the font (Wine
// also at every resize). The field is corrected by what the window still differs from the
// model; Wine reads the field back two pixels higher than it was set, hence a second round.
void ComboPeer::FitSelectionField() {
    LRESULT field = SendMessageA(hwnd_, CB_GETITEMHEIGHT, WPARAM(-1), 0);
    for (int round = 0; round < 3 && field != CB_ERR; ++round) {
        const int difference = Place().Height() - ClosedHeight();
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
    ApplyItemHeight();
    Fill();
}

void DirectoryListPeer::ApplyItemHeight() {
    SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, control_.Scale().Apply(list_.ItemHeight));
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
    case TChange::Font: // also at a new scale
        NativePeer::Changed(what);
        ApplyItemHeight();
        break;
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

// A folder of 14 x 11 model pixels with its top-left corner at (x, y) on the device.
void DrawFolder(HDC dc, int x, int y, bool open, const TScale& scale) {
    const auto fill = [&](int left, int top, int right, int bottom, TColor color) {
        const TRect r = scale.Edges(Rect(left, top, right, bottom));
        RECT area{x + r.Left, y + r.Top, x + r.Right, y + r.Bottom};
        FillRect(dc, &area, SolidBrush(color));
    };
    const TColor edge = RGBColor(0x80, 0x60, 0x10);
    fill(1, 0, 6, 2, edge);
    fill(0, 1, 14, 11, edge);
    fill(1, 2, 13, 10, RGBColor(0xF0, 0xD0, 0x60));
    fill(1, open ? 4 : 3, 13, 10, open ? RGBColor(0xFF, 0xEC, 0xA0) : RGBColor(0xE0, 0xB8, 0x40));
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

    const TScale scale = control_.Scale();
    const int x = area.left + scale.Apply(2 + int(item.itemData) * LevelIndent);
    DrawFolder(dc, x, (area.top + area.bottom - scale.Apply(11)) / 2, IsOpenFolder(index), scale);

    {
        SelectedObject font(dc, FontHandle(control_.Font(), scale));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ToColorRef(control_.Font().Color()));
        RECT text{x + scale.Apply(FolderWidth + 2), area.top, area.right, area.bottom};
        const std::string& name = list_.Items()[size_t(index)];
        DrawTextA(dc, name.c_str(), int(name.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &area);
    return true;
}

} // namespace win32
