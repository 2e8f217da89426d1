// Labels, static texts, check boxes, radio buttons, edits and drop-down lists.
#include "toolkit/StdCtrls.h"

#include <memory>

#include "toolkit/Backend.h"

namespace {

unsigned AlignmentFlags(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify: return dtRight;
    case taCenter: return dtCenter;
    default: return dtLeft;
    }
}

// The control's font, or where its caption would not fit into width and the control's height
// at the control's scale, the largest one smaller by whole pixels that fits.
void FitFont(const TControl& control, int width, unsigned flags, TFont& shown) {
    shown.Assign(control.Font());
    if (control.Caption().empty() || control.Height() <= 0) return;
    const std::unique_ptr<TCanvas> measure = backend::CreateMeasuringCanvas();
    measure->SetScale(control.Scale());
    measure->Font.Assign(control.Font());
    for (int height = control.Font().Height(); height != 0; height += height < 0 ? 1 : -1) {
        measure->Font.SetHeight(height);
        TRect rect = Rect(0, 0, width, 0);
        measure->DrawTextRect(control.Caption(), rect, dtCalcRect | flags);
        shown.SetHeight(height);
        if (rect.Width() <= width && rect.Height() <= control.Height()) return;
    }
}

} // namespace

// ---- TLabel ----

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle |= csOpaque;
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    if (value)
        ControlStyle &= ~csOpaque;
    else
        ControlStyle |= csOpaque;
    Invalidate();
}

void TLabel::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

// Fits the control to its text; a right-aligned label keeps its right edge.
void TLabel::AdjustBounds() {
    if (!autoSize_ || (ComponentState & (csLoading | csDestroying))) return;
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    TRect rect = ClientRect();
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    canvas.DrawTextRect(text, rect, dtCalcRect | (wordWrap_ ? dtWordBreak : 0));
    int left = Left();
    if (Alignment == taRightJustify) left += Width() - rect.Right;
    SetBounds(left, Top(), rect.Right, rect.Bottom);
}

void TLabel::Changed(TChange what) {
    TGraphicControl::Changed(what);
    if (what == TChange::Text || what == TChange::Font) AdjustBounds();
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (!transparent_) {
        canvas.Brush.Color = EffectiveColor();
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(rect);
    }
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    if (!Enabled()) canvas.Font.SetColor(clGrayText);
    canvas.DrawTextRect(Caption(), rect, AlignmentFlags(Alignment) | (wordWrap_ ? dtWordBreak : 0));
}

TAccessible TLabel::Accessible() const {
    TAccessible accessible = TGraphicControl::Accessible();
    accessible.Role = TAccRole::StaticText;
    accessible.Name = WithoutAccel(Caption());
    return accessible;
}

// ---- TStaticText ----

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 65, 17);
}

void TStaticText::Changed(TChange what) {
    if (what == TChange::Text || what == TChange::Font || what == TChange::Bounds)
        FitFont(*this, Width(), dtWordBreak, shownFont_);
    TWinControl::Changed(what);
}

void TStaticText::PaintWindow(TCanvas& canvas) {
    TWinControl::PaintWindow(canvas);
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(ShownFont());
    if (!Enabled()) canvas.Font.SetColor(clGrayText);
    TRect rect = ClientRect();
    canvas.DrawTextRect(Caption(), rect, AlignmentFlags(Alignment) | dtWordBreak);
}

// ---- Check boxes and radio buttons ----

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetBounds(0, 0, 97, 17);
}

void TButtonControl::Changed(TChange what) {
    if (what == TChange::Text || what == TChange::Font || what == TChange::Bounds)
        FitFont(*this, Width() - CaptionLeft, dtSingleLine, shownFont_);
    TWinControl::Changed(what);
}

void TButtonControl::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    Changed(TChange::Checked);
    Click();
}

bool TButtonControl::DialogChar(char key) {
    if (!IsAccel(key, Caption()) || !CanFocus()) return false;
    SetFocus();
    ClickedByUser();
    return true;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {}

void TCheckBox::ClickedByUser() {
    SetChecked(!Checked());
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {}

// As the framework does: checking clears the checked radio buttons of the same parent, and
// only becoming checked fires OnClick.
void TRadioButton::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    TabStop = value;
    Changed(TChange::Checked);
    if (!value) return;
    if (Parent())
        for (TControl* sibling : Parent()->Controls())
            if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
    Click();
}

void TRadioButton::ClickedByUser() {
    SetChecked(true);
}

// ---- TEdit ----

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TEdit::TextEditedByUser(const std::string& text) {
    if (text == Text()) return;
    StoreText(text);
    if (OnChange) OnChange(this);
}

void TEdit::Changed(TChange what) {
    TWinControl::Changed(what);
    if (what == TChange::Text && OnChange) OnChange(this);
}

// ---- TComboBox ----

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

void TComboBox::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    StoreText("");
    Changed(TChange::Items);
}

void TComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    Changed(TChange::Items);
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= int(items_.size())) index = -1;
    itemIndex_ = index;
    StoreText(index >= 0 ? items_[index] : std::string());
    Changed(TChange::ItemIndex);
}

void TComboBox::SelectedByUser(int index) {
    SetItemIndex(index);
    if (OnChange) OnChange(this);
}
