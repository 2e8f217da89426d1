// The strip at the bottom of the wizard window: 12 button slots laid out from the left edge,
// 12 from the right edge, filled by the page that is shown.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "toolkit/ExtCtrls.h"

class TLbSpeedButton;

class tKvButtonBar : public TCustomPanel {
public:
    static constexpr int SlotCount = 12;

    explicit tKvButtonBar(TComponent* owner);
    ~tKvButtonBar() override;

    void AddLeftButton(const std::string& Caption, int ID, std::uint8_t WidthCode, TNotifyEvent OnClick);
    void AddRightButton(const std::string& Caption, int ID, std::uint8_t WidthCode, TNotifyEvent OnClick);
    void ClearButtons();
    void SetColors(TColor TextColor, TColor ShadowColor, TColor FaceColor, TColor LightColor, TColor BarColor);

    // Slot n (1 to 12) of a side is element n - 1.
    std::array<TLbSpeedButton*, SlotCount> LeftButtons{};
    std::array<TLbSpeedButton*, SlotCount> RightButtons{};
    int LeftCount = 0;
    int RightCount = 0;
};

// Width in pixels of a button width code: 0 gives 30, 1 gives 90, 2 gives 120, 3 gives 200, others 99.
int ButtonWidthOfCode(std::uint8_t WidthCode);
