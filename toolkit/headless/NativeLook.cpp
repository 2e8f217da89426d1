// Simple drawings of the controls that Windows draws natively, for headless screenshots.
#include "toolkit/ComCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/headless/HeadlessState.h"

namespace headless {
namespace {

void Frame(TCanvas& canvas, const TRect& r, TColor fill) {
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBtnShadow;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = fill;
    canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
}

void TextIn(TCanvas& canvas, const TControl& control, const std::string& text, TRect r, unsigned flags,
            TColor color = clDefault) {
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(control.ShownFont());
    if (color != clDefault) canvas.Font.SetColor(color);
    if (!control.Enabled()) canvas.Font.SetColor(clGrayText);
    canvas.DrawTextRect(text, r, flags | dtSingleLine | dtVCenter);
}

void Background(TCanvas& canvas, const TControl& control) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = control.EffectiveColor();
    canvas.FillRect(control.ClientRect());
}

void PaintEdit(TEdit& edit, TCanvas& canvas) {
    Frame(canvas, edit.ClientRect(), edit.Enabled() ? clWindow : clBtnFace);
    TextIn(canvas, edit, edit.Text(), Rect(3, 0, edit.Width() - 3, edit.Height()), dtNoPrefix);
}

void RadioMark(TCanvas& canvas, int top, int size, bool checked) {
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBtnShadow;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWindow;
    canvas.RoundRect(0, top, size, top + size, size, size);
    if (!checked) return;
    canvas.Brush.Color = clWindowText;
    canvas.Pen.Color = clWindowText;
    canvas.RoundRect(4, top + 4, 9, top + 9, 5, 5);
}

void CheckMark(TCanvas& canvas, int top, int size, bool checked) {
    Frame(canvas, Bounds(0, top, size, size), clWindow);
    if (!checked) return;
    canvas.Pen.Color = clWindowText;
    for (int i = 0; i < 2; ++i) { // a tick, two pixels thick
        canvas.MoveTo(3, top + 6 + i);
        canvas.LineTo(5, top + 8 + i);
        canvas.LineTo(10, top + 3 + i);
    }
}

void PaintButtonControl(TButtonControl& button, TCanvas& canvas, bool round) {
    Background(canvas, button);
    const int size = TButtonControl::CaptionLeft - 4, top = (button.Height() - size) / 2;
    if (round)
        RadioMark(canvas, top, size, button.Checked());
    else
        CheckMark(canvas, top, size, button.Checked());
    TextIn(canvas, button, button.Caption(), Rect(TButtonControl::CaptionLeft, 0, button.Width(), button.Height()),
           dtLeft);
}

void PaintDropDown(TWinControl& combo, const std::string& text, TCanvas& canvas) {
    Frame(canvas, combo.ClientRect(), clWindow);
    const int arrow = combo.Height() - 4;
    canvas.Brush.Color = clBtnFace;
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(combo.Width() - 2 - arrow, 2, combo.Width() - 2, combo.Height() - 2);
    const int cx = combo.Width() - 2 - arrow / 2, cy = combo.Height() / 2 - 1;
    canvas.Pen.Color = clBtnText;
    for (int i = 0; i < 3; ++i) {
        canvas.MoveTo(cx - 2 + i, cy + i);
        canvas.LineTo(cx + 3 - i, cy + i);
    }
    TextIn(canvas, combo, text, Rect(3, 0, combo.Width() - arrow - 4, combo.Height()), dtNoPrefix);
}

void PaintDirectoryList(TDirectoryListBox& list, TCanvas& canvas) {
    Frame(canvas, list.ClientRect(), clWindow);
    for (int i = 0; i < int(list.Items().size()); ++i) {
        const TRect row = Rect(2, 2 + i * list.ItemHeight, list.Width() - 2, 2 + (i + 1) * list.ItemHeight);
        if (row.Top >= list.Height() - 2) break;
        const bool selected = i == list.ItemIndex();
        if (selected) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = clHighlight;
            canvas.FillRect(row);
        }
        const int indent = 4 + list.ItemLevels()[i] * 8;
        canvas.Pen.Color = clBtnShadow;
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(indent, row.Top + 4, indent + 10, row.Bottom - 4); // a folder
        TextIn(canvas, list, list.Items()[i], Rect(indent + 14, row.Top, row.Right, row.Bottom), dtNoPrefix,
               selected ? clHighlightText : clDefault);
    }
}

std::string ItemText(const std::vector<std::string>& items, int index) {
    return index >= 0 && index < int(items.size()) ? items[index] : std::string();
}

} // namespace

bool PaintNative(TWinControl& control, TCanvas& canvas) {
    if (auto* edit = dynamic_cast<TEdit*>(&control))
        PaintEdit(*edit, canvas);
    else if (auto* check = dynamic_cast<TCheckBox*>(&control))
        PaintButtonControl(*check, canvas, false);
    else if (auto* radio = dynamic_cast<TRadioButton*>(&control))
        PaintButtonControl(*radio, canvas, true);
    else if (auto* combo = dynamic_cast<TComboBox*>(&control))
        PaintDropDown(*combo, combo->Text(), canvas);
    else if (auto* drives = dynamic_cast<TDriveComboBox*>(&control))
        PaintDropDown(*drives, ItemText(drives->Items(), drives->ItemIndex()), canvas);
    else if (auto* list = dynamic_cast<TDirectoryListBox*>(&control))
        PaintDirectoryList(*list, canvas);
    else
        return false;
    return true;
}

} // namespace headless
