#include "shell/LbSpeedButton.h"

#include <cctype>
#include <utility>

#include "platform/Platform.h"
#include "toolkit/Forms.h"

namespace {

void AdjustControlStyle(TControl& control) {
    control.ControlStyle |= csCaptureMouse | csSetCaption | csDoubleClicks;
    control.ControlStyle &= ~csOpaque;
}

int StyleCode(TLbSpeedButtonStyle style) {
    switch (style) {
    case bsEncarta: return 1;
    case bsOld: return 3;
    case bsShape: return 4;
    case bsQuicken: return 5;
    default: return 2;
    }
}

} // namespace

char AcceleratorOf(const std::string& Caption) {
    for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&') continue;
        if (Caption[i + 1] != '&') return Caption[i + 1];
        ++i;
    }
    return 0;
}

TLbSpeedButton::TLbSpeedButton(TComponent* Owner) : TGraphicControl(Owner) {
    AdjustControlStyle(*this);
    SetBounds(Left(), Top(), 100, 23);
    if (auto* form = dynamic_cast<TForm*>(Owner)) hotTrackFont_.Assign(form->Font());
}

TLbSpeedButton::TLbSpeedButton(TComponent* Owner, int Left, int Width, int Top, TColor LightColor, TColor ShadowColor)
    : TGraphicControl(Owner) {
    SetBounds(Left, Top, Width, 23);
    SetParentColor(false);
    AdjustControlStyle(*this);
    SetParent(dynamic_cast<TWinControl*>(Owner));
    lightColor_ = LightColor;
    shadowColor_ = ShadowColor;
    alignment_ = taCenter;
}

TLbSpeedButton::~TLbSpeedButton() {
    ComponentState |= csDestroying;
    if (fadeThread_) StopFadeThread();
}

// ---- Properties ----

void TLbSpeedButton::SetAction(TAction* Value) {
    action_ = Value;
    if (action_) ActionChange(action_, (ComponentState & csLoading) != 0);
}

void TLbSpeedButton::SetAlignment(TAlignment Value) {
    alignment_ = Value;
    Redraw();
}

void TLbSpeedButton::SetColorWhenDown(TColor Value) {
    colorWhenDown_ = Value;
    Redraw();
}

void TLbSpeedButton::SetColorStyle(TLbColorStyle Value) {
    if (Value == lcsCustom) return;
    const TLbColorStyleColors preset = GetColorStyleColors(Value);
    SetColor(preset.Face);
    lightColor_ = preset.Light;
    shadowColor_ = preset.Shadow;
    colorWhenDown_ = preset.WhenDown;
    HotTrackColor = preset.HotTrack;
    flat_ = preset.Flat;
    Font().SetColor(preset.FontColor);
    style_ = preset.Style;
    Paint();
}

void TLbSpeedButton::SetDown(bool Value) {
    if (Value == down_) return;
    if (groupIndex_ != 0 && Parent()) {
        for (TControl* control : Parent()->Controls()) {
            auto* sibling = dynamic_cast<TLbSpeedButton*>(control);
            if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_) sibling->SetDown(false);
        }
    }
    down_ = Value;
    Redraw();
    AccessibleChanged(TAccEvent::StateChange);
}

void TLbSpeedButton::SetFlat(bool Value) {
    flat_ = Value;
    Redraw();
}

void TLbSpeedButton::SetGlyph(const TBitmap* Value) {
    if (Value) {
        glyph_.Assign(*Value);
        numGlyphs_ = glyph_.Height() == 0 ? 0 : glyph_.Width() / glyph_.Height();
    } else {
        glyph_.SetHeight(0);
        numGlyphs_ = 0;
    }
    Invalidate();
}

void TLbSpeedButton::SetGroupIndex(int Value) {
    groupIndex_ = Value;
    Redraw();
}

void TLbSpeedButton::SetHotTrackFont(const TFont& Value) {
    hotTrackFont_.Assign(Value);
}

void TLbSpeedButton::SetLayout(TLbSpeedButtonLayout Value) {
    layout_ = Value;
    Redraw();
}

void TLbSpeedButton::SetLightColor(TColor Value) {
    lightColor_ = Value;
    Redraw();
}

void TLbSpeedButton::SetNumGlyphs(int Value) {
    numGlyphs_ = Value;
    Invalidate();
}

void TLbSpeedButton::SetShadowColor(TColor Value) {
    shadowColor_ = Value;
    Redraw();
}

void TLbSpeedButton::SetSlowDecease(bool Value) {
    slowDecease_ = Value;
    if (Value && !fadeThread_) {
        fadeThread_ = new TLbButtonThread([this](TObject* Sender) { FadeStep(Sender); });
    } else if (!Value && fadeThread_) {
        fadeLevel_ = 0;
        StopFadeThread();
    }
    Invalidate();
}

void TLbSpeedButton::SetStyle(TLbSpeedButtonStyle Value) {
    const bool designing = (ComponentState & csDesigning) != 0;
    if (Value == bsModern && platform::ScreenBitsPerPixel() <= 8 && !designing) Value = bsNormal;
    style_ = Value;
    Invalidate();
}

void TLbSpeedButton::SetTransparent(bool Value) {
    transparent_ = Value;
    if (Value)
        Invalidate();
    else
        Paint();
}

void TLbSpeedButton::SetWordWrap(bool Value) {
    wordWrap_ = Value;
    Redraw();
}

// ---- Messages ----

bool TLbSpeedButton::Reachable() const {
    return Enabled() && Visible() && Parent() && Parent()->Showing();
}

void TLbSpeedButton::MouseEnter() {
    if (!Reachable()) return;
    mouseInside_ = true;
    fadeLevel_ = 8;
    Redraw();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TLbSpeedButton::MouseLeave() {
    mouseInside_ = false;
    if (!slowDecease_) {
        fadeLevel_ = 0;
        Redraw();
    } else if (fadeThread_ && fadeThread_->Suspended()) {
        fadeThread_->Resume();
    }
    if (Reachable() && OnMouseExit) OnMouseExit(this);
}

void TLbSpeedButton::DoubleClickDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft)
        MouseDown(Button, Shift & ~ssDouble, X, Y);
    else
        TGraphicControl::DoubleClickDown(Button, Shift, X, Y);
}

bool TLbSpeedButton::DialogChar(char Key) {
    const char accelerator = AcceleratorOf(Caption());
    const bool matches = accelerator != 0 &&
        std::toupper(static_cast<unsigned char>(accelerator)) == std::toupper(static_cast<unsigned char>(Key));
    if (!matches || !Reachable()) return TGraphicControl::DialogChar(Key);
    // Drawn pressed for the click only; the group's other buttons are not touched.
    const bool wasDown = down_;
    const auto restore = [this, wasDown] {
        down_ = wasDown;
        Paint();
    };
    down_ = true;
    Paint();
    try {
        Click();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return true;
}

void TLbSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (groupIndex_ == 0 || !down_)
        SetDown(true);
    else if (AllowAllUp)
        SetDown(false);
}

void TLbSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (groupIndex_ == 0) SetDown(false);
}

void TLbSpeedButton::Click() {
    if (PopupMenu) {
        const TPoint corner = ClientToScreen({0, Height()});
        PopupMenu->Popup(corner.X, corner.Y);
    }
    // The handler may change the page, and the new page may give this button a new handler:
    // run a copy, so the one running is not destroyed under its own feet.
    const TNotifyEvent handler = OnClick;
    if (handler) handler(this);
}

void TLbSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* action = dynamic_cast<TAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || Caption().empty()) SetCaption(action->Caption);
    if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled);
    if (!CheckDefaults || Visible()) SetVisible(action->Visible);
    if (!CheckDefaults || !OnClick) OnClick = action->OnExecute;

    if (!glyph_.Empty() || !action->ActionList || !action->ActionList->Images) return;
    const TImageList& images = *action->ActionList->Images;
    if (action->ImageIndex < 0 || action->ImageIndex >= images.Count()) return;
    glyph_.SetSize(images.Width, images.Height);
    TCanvas& canvas = glyph_.Canvas();
    canvas.Brush.Color = clFuchsia;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(Rect(0, 0, images.Width, images.Height));
    images.Draw(canvas, 0, 0, action->ImageIndex);
    numGlyphs_ = 1;
    Paint();
}

TAccessible TLbSpeedButton::Accessible() const {
    TAccessible accessible = TGraphicControl::Accessible();
    accessible.Role = TAccRole::PushButton;
    accessible.Name = WithoutAccel(Caption());
    if (down_) accessible.State |= asPressed;
    accessible.Accelerator = char(std::toupper(static_cast<unsigned char>(AcceleratorOf(Caption()))));
    accessible.DefaultAction = "Press";
    return accessible;
}

// ---- Painting and fading ----

void TLbSpeedButton::Redraw() {
    if (transparent_)
        Invalidate();
    else
        Paint();
}

void TLbSpeedButton::Paint() {
    const bool designing = (ComponentState & csDesigning) != 0;
    if ((!Visible() && !designing) || (ComponentState & csLoading) || !Parent()) return;
    TButtonFace face;
    face.W = Width();
    face.H = Height();
    face.FadeLevel = fadeLevel_;
    face.NumGlyphs = numGlyphs_;
    face.Glyph = &glyph_;
    face.Down = down_;
    face.MouseInside = mouseInside_;
    face.Transparent = transparent_;
    face.Enabled = Enabled();
    face.Flat = flat_;
    face.WordWrap = wordWrap_;
    face.HasPopup = PopupMenu != nullptr;
    face.Style = std::uint8_t(StyleCode(style_));
    face.Color = EffectiveColor();
    face.ColorWhenDown = colorWhenDown_;
    face.HotTrackColor = HotTrackColor;
    face.LightColor = lightColor_;
    face.ShadowColor = shadowColor_;
    face.Font = (mouseInside_ && UseHotTrackFont) ? &hotTrackFont_ : &Font();
    face.Layout = std::uint8_t(layout_);
    face.Caption = Caption();
    face.Alignment = std::uint8_t(alignment_);
    PaintButtonFace(Canvas(), face);
}

void TLbSpeedButton::FadeStep(TObject* /*Sender*/) {
    if ((ComponentState & csDestroying) || !slowDecease_) return;
    if (--fadeLevel_ <= 0) {
        if (fadeThread_ && !fadeThread_->Suspended()) fadeThread_->Suspend();
        fadeLevel_ = 0;
    }
    Redraw();
}

// Ends and frees the thread: its destructor lifts the suspension and waits.
void TLbSpeedButton::StopFadeThread() {
    delete std::exchange(fadeThread_, nullptr);
}
