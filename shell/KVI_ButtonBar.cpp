#include "shell/KVI_ButtonBar.h"

#include "shell/LbSpeedButton.h"

namespace {

constexpr int ButtonHeight = 23;
constexpr int Margin = 5;
constexpr int Gap = 5;

// The colours that buttons take when they are added; set by SetColors.
TColor ButtonTextColor = 0;
TColor ButtonFaceColor = 0;
TColor ButtonLightColor = 0;
TColor ButtonShadowColor = 0;

void ConfigureButton(TLbSpeedButton& button, int barHeight, int left, int width, const std::string& caption, int id,
                     const TNotifyEvent& onClick) {
    button.SetHeight(ButtonHeight);
    button.SetTop((barHeight - ButtonHeight) / 2);
    button.SetLeft(left);
    button.SetWidth(width);
    button.SetLightColor(ButtonLightColor);
    button.SetShadowColor(ButtonShadowColor);
    button.OnClick = onClick;
    button.Tag = id;
    button.SetColor(ButtonFaceColor);
    button.Font().SetColor(ButtonTextColor);
    button.Font().SetStyle(fsBold);
    button.SetStyle(bsModern);
    button.SetCaption(caption);
    button.Show();
}

} // namespace

int ButtonWidthOfCode(std::uint8_t WidthCode) {
    switch (WidthCode) {
    case 0: return 30;
    case 1: return 90;
    case 2: return 120;
    case 3: return 200;
    default: return 99;
    }
}

tKvButtonBar::tKvButtonBar(TComponent* owner) : TCustomPanel(owner) {
    ControlStyle &= ~csAcceptsControls;
    BorderStyle = bsNone;
    BevelInner = bvNone;
    BevelOuter = bvRaised;
    SetHeight(32);
    for (int slot = 0; slot < SlotCount; ++slot) {
        LeftButtons[slot] = new TLbSpeedButton(this, 0, 10, 10, clWhite, clWhite);
        LeftButtons[slot]->Hide();
        RightButtons[slot] = new TLbSpeedButton(this, 0, 10, 10, clWhite, clWhite);
        RightButtons[slot]->Hide();
    }
    LeftCount = 0;
    RightCount = 0;
}

tKvButtonBar::~tKvButtonBar() {
    for (int slot = 0; slot < SlotCount; ++slot) {
        delete LeftButtons[slot];
        delete RightButtons[slot];
    }
}

void tKvButtonBar::AddLeftButton(const std::string& Caption, int ID, std::uint8_t WidthCode, TNotifyEvent OnClick) {
    if (LeftCount == SlotCount) return;
    ++LeftCount;
    const int width = ButtonWidthOfCode(WidthCode);
    int left = Margin;
    for (int slot = 0; slot < LeftCount - 1; ++slot) left += LeftButtons[slot]->Width() + Gap;
    ConfigureButton(*LeftButtons[LeftCount - 1], Height(), left, width, Caption, ID, OnClick);
}

void tKvButtonBar::AddRightButton(const std::string& Caption, int ID, std::uint8_t WidthCode, TNotifyEvent OnClick) {
    if (RightCount == SlotCount) return;
    ++RightCount;
    const int width = ButtonWidthOfCode(WidthCode);
    int left = Width() - width - Margin;
    for (int slot = 0; slot < RightCount - 1; ++slot) left -= RightButtons[slot]->Width() + Gap;
    ConfigureButton(*RightButtons[RightCount - 1], Height(), left, width, Caption, ID, OnClick);
}

void tKvButtonBar::ClearButtons() {
    for (int slot = 0; slot < SlotCount; ++slot) {
        LeftButtons[slot]->Hide();
        RightButtons[slot]->Hide();
    }
    LeftCount = 0;
    RightCount = 0;
}

void tKvButtonBar::SetColors(TColor TextColor, TColor ShadowColor, TColor FaceColor, TColor LightColor,
                             TColor BarColor) {
    SetColor(BarColor);
    const auto recolour = [&](TLbSpeedButton& button) {
        button.SetColor(FaceColor);
        button.Font().SetColor(TextColor);
        button.SetLightColor(LightColor);
        button.SetShadowColor(ShadowColor);
    };
    for (int slot = 0; slot < LeftCount; ++slot) recolour(*LeftButtons[slot]);
    for (int slot = 0; slot < RightCount; ++slot) recolour(*RightButtons[slot]);
    ButtonTextColor = TextColor;
    ButtonFaceColor = FaceColor;
    ButtonLightColor = LightColor;
    ButtonShadowColor = ShadowColor;
}
