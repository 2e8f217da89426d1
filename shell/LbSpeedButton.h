// An owner-drawn, window-less button with a hot-track state, grouped pressed states,
// accelerators from its caption, a popup menu, a glyph strip, colour presets and an optional
// slow fading of the hot-track highlight.
#pragma once

#include <cstdint>
#include <string>

#include "shell/LbButtons.h"
#include "toolkit/ActnList.h"
#include "toolkit/Controls.h"
#include "toolkit/Menus.h"

class TLbSpeedButton : public TGraphicControl {
public:
    explicit TLbSpeedButton(TComponent* Owner);
    // The button bar's constructor: parented to Owner, centred caption, own colour.
    TLbSpeedButton(TComponent* Owner, int Left, int Width, int Top, TColor LightColor, TColor ShadowColor);
    ~TLbSpeedButton() override;

    TAction* Action() const { return action_; }
    void SetAction(TAction* Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    bool AllowAllUp = false;
    TColor ColorWhenDown() const { return colorWhenDown_; }
    void SetColorWhenDown(TColor Value);
    TLbColorStyle ColorStyle() const { return colorStyle_; }
    void SetColorStyle(TLbColorStyle Value);
    bool Down() const { return down_; }
    void SetDown(bool Value);
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap* Value); // nullptr empties it
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    TColor HotTrackColor = clNone;
    const TFont& HotTrackFont() const { return hotTrackFont_; }
    void SetHotTrackFont(const TFont& Value);
    TLbSpeedButtonLayout Layout() const { return layout_; }
    void SetLayout(TLbSpeedButtonLayout Value);
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor Value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int Value);
    TPopupMenu* PopupMenu = nullptr;
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    bool SlowDecease() const { return slowDecease_; }
    void SetSlowDecease(bool Value);
    TLbSpeedButtonStyle Style() const { return style_; }
    void SetStyle(TLbSpeedButtonStyle Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool UseHotTrackFont = false;
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

    bool MouseInside() const { return mouseInside_; }
    int FadeLevel() const { return fadeLevel_; }

    void MouseEnter() override;
    void MouseLeave() override;
    void DoubleClickDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DialogChar(char Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Click() override;
    void ActionChange(TObject* Sender, bool CheckDefaults);
    void Paint() override;
    // A push button named by its caption, pressed when down, with the caption's accelerator.
    TAccessible Accessible() const override;

private:
    void Redraw(); // invalidate when transparent, else paint at once
    bool Reachable() const; // enabled, visible, parented and the parent showing
    void FadeStep(TObject* Sender);
    void StopFadeThread();

    TAction* action_ = nullptr;
    TAlignment alignment_ = taLeftJustify;
    TColor colorWhenDown_ = clNone;
    bool down_ = false;
    bool flat_ = false;
    bool wordWrap_ = false;
    TBitmap glyph_;
    std::int32_t groupIndex_ = 0;
    TFont hotTrackFont_;
    TLbSpeedButtonLayout layout_ = blGlyphLeft;
    TColor lightColor_ = clWhite;
    std::int32_t numGlyphs_ = 0;
    TColor shadowColor_ = clBlack;
    TLbSpeedButtonStyle style_ = bsNormal;
    bool transparent_ = false;
    TLbColorStyle colorStyle_ = lcsCustom;
    bool mouseInside_ = false;
    TLbButtonThread* fadeThread_ = nullptr;
    bool slowDecease_ = false;
    std::int32_t fadeLevel_ = 0;
};

// The accelerator of a caption: the character after a single ampersand, or 0.
char AcceleratorOf(const std::string& Caption);
