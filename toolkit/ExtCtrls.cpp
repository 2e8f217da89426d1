// Panels, images, timers and radio groups.
#include "toolkit/ExtCtrls.h"

#include <algorithm>
#include <utility>

#include "toolkit/Backend.h"
#include "toolkit/Forms.h"
#include "toolkit/JpegSize.h"

namespace {

// Lines along the top and left edges in one colour, along the bottom and right in the other.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor) {
    const int right = rect.Right - 1, bottom = rect.Bottom - 1;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = topColor;
    canvas.MoveTo(rect.Left, bottom);
    canvas.LineTo(rect.Left, rect.Top);
    canvas.LineTo(right, rect.Top);
    canvas.Pen.Color = bottomColor;
    canvas.LineTo(right, bottom);
    canvas.LineTo(rect.Left - 1, bottom);
    rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
}

void Bevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel, int width) {
    if (bevel == bvNone) return;
    const TColor light = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    const TColor dark = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    for (int i = 0; i < width; ++i) {
        if (bevel == bvSpace)
            rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
        else
            Frame3D(canvas, rect, light, dark);
    }
}

} // namespace

// ---- TCustomPanel ----

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
    ControlStyle |= csOpaque;
    SetBounds(0, 0, 185, 41);
}

TRect TCustomPanel::ClientRect() const {
    return Rect(0, 0, Width(), Height());
}

void TCustomPanel::PaintWindow(TCanvas& canvas) {
    TRect rect = ClientRect();
    if (BorderStyle == bsSingle) Frame3D(canvas, rect, clWindowFrame, clWindowFrame);
    Bevel(canvas, rect, BevelOuter, BevelWidth);
    Bevel(canvas, rect, BevelInner, BevelWidth);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = EffectiveColor();
    canvas.FillRect(rect);
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    const int textHeight = canvas.TextHeight("W");
    rect.Top = (rect.Top + rect.Bottom - textHeight) / 2;
    rect.Bottom = rect.Top + textHeight;
    const unsigned align = Alignment == taCenter ? dtCenter : Alignment == taRightJustify ? dtRight : dtLeft;
    canvas.DrawTextRect(Caption(), rect, dtVCenter | dtSingleLine | align);
}

// ---- TImage ----

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
}

TBitmap& TImage::Picture() {
    DecodeJpeg();
    return picture_;
}

void TImage::SetJpeg(const unsigned char* data, std::size_t size) {
    picture_ = TBitmap();
    jpegData_ = data;
    jpegSize_ = size;
    PictureChanged();
}

void TImage::DecodeJpeg() {
    if (!jpegData_) return;
    const unsigned char* data = std::exchange(jpegData_, nullptr);
    picture_.LoadFromJpeg(data, jpegSize_);
}

void TImage::SetStretch(bool value) {
    if (value == stretch_) return;
    stretch_ = value;
    Invalidate();
}

void TImage::SetAutoSize(bool value) {
    autoSize_ = value;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (autoSize_) {
        TSize size{picture_.Width(), picture_.Height()};
        if (jpegData_ && !JpegSize(jpegData_, jpegSize_, size)) size = {Picture().Width(), Picture().Height()};
        if (size.cx > 0 && size.cy > 0) SetBounds(Left(), Top(), size.cx, size.cy);
    }
    Invalidate();
}

void TImage::Paint() {
    DecodeJpeg();
    TCanvas& canvas = Canvas();
    if (stretch_)
        canvas.StretchDraw(ClientRect(), picture_);
    else if (Center)
        canvas.Draw((Width() - picture_.Width()) / 2, (Height() - picture_.Height()) / 2, picture_);
    else
        canvas.Draw(0, 0, picture_);
}

// ---- TTimer ----

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    backend::TimerChanged(*this);
}

TTimer::~TTimer() {
    backend::TimerDestroyed(*this);
}

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    backend::TimerChanged(*this);
}

void TTimer::SetInterval(unsigned value) {
    if (value == interval_) return;
    interval_ = value;
    backend::TimerChanged(*this);
}

void TTimer::Fire() {
    if (!enabled_ || interval_ == 0 || !OnTimer) return;
    if (Application)
        Application->Guard([this] { OnTimer(this); });
    else
        OnTimer(this);
}

// ---- TRadioGroup ----

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 105);
}

void TRadioGroup::ClearItems() {
    items_.clear();
    for (TRadioButton* button : buttons_) delete button;
    buttons_.clear();
    itemIndex_ = -1;
}

void TRadioGroup::AddItem(const std::string& item) {
    items_.push_back(item);
    auto* button = new TRadioButton(this);
    button->SetCaption(item);
    button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
    button->SetParent(this);
    buttons_.push_back(button);
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    index = std::clamp(index, -1, int(buttons_.size()) - 1);
    if (index == itemIndex_) return;
    if (itemIndex_ >= 0) buttons_[itemIndex_]->SetChecked(false);
    itemIndex_ = index;
    if (index >= 0) buttons_[index]->SetChecked(true);
}

// A button becoming checked, by the user or by SetItemIndex, is a click of the group.
void TRadioGroup::ButtonClicked(TRadioButton* button) {
    const auto found = std::find(buttons_.begin(), buttons_.end(), button);
    itemIndex_ = int(found - buttons_.begin());
    if (OnClick) OnClick(this);
}

// The buttons in columns below the caption, sharing the height evenly.
void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    const int columns = std::max(1, Columns);
    const int perColumn = (int(buttons_.size()) + columns - 1) / columns;
    const std::unique_ptr<TCanvas> measure = backend::CreateMeasuringCanvas();
    measure->SetScale(Scale());
    measure->Font.Assign(Font());
    const int textHeight = measure->TextHeight("Hg");
    const int room = Height() - textHeight - 5;
    const int buttonHeight = room / perColumn;
    const int topMargin = textHeight + 1 + (room % perColumn) / 2;
    const int buttonWidth = (Width() - 10) / columns;
    for (int i = 0; i < int(buttons_.size()); ++i)
        buttons_[i]->SetBounds((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin,
                               buttonWidth, buttonHeight);
}

void TRadioGroup::Changed(TChange what) {
    TWinControl::Changed(what);
    if (what == TChange::Bounds || what == TChange::Font) ArrangeButtons();
}

void TRadioGroup::PaintWindow(TCanvas& canvas) {
    TWinControl::PaintWindow(canvas);
    canvas.Font.Assign(Font());
    const int textHeight = canvas.TextHeight("0");
    TRect frame = Rect(0, textHeight / 2 - 1, Width(), Height());
    Frame3D(canvas, frame, clBtnShadow, clBtnHighlight);
    Frame3D(canvas, frame, clBtnHighlight, clBtnShadow);
    if (Caption().empty()) return;
    TRect text = Rect(8, 0, 0, textHeight);
    canvas.DrawTextRect(Caption(), text, dtCalcRect | dtSingleLine);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = EffectiveColor();
    canvas.FillRect(text);
    canvas.Brush.Style = bsClear;
    canvas.DrawTextRect(Caption(), text, dtSingleLine);
}
