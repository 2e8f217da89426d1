// State of the headless backend shared by its units: recorded boxes, timers, queued input,
// the captured window and the title.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/ExtCtrls.h"
#include "toolkit/headless/HeadlessUI.h"

namespace headless {

struct State {
    std::vector<RecordedBox> Boxes;
    std::function<void()> WhileBoxShows;
    std::vector<RecordedAccessibleEvent> AccessibleEvents;
    std::map<TTimer*, double> TimerDue; // enabled timers and when they fire next (platform::Now())
    std::vector<std::function<void()>> Queued; // input posted for a later ProcessMessages
    TWinControl* Captured = nullptr;
    TWinControl* HoverWindow = nullptr;
    TControl* PressedNative = nullptr;
    std::string Title;
    int Dpi = DesignDpi; // of the display
    bool QuitRequested = false;
};

State& TheState();

// One round of the message loop: queued input, due timers; true if anything ran.
bool RunOnce();

// Draws a native-looking control (edit, check box, radio button, combo box, list box);
// false if the control is none of those and paints itself through PaintWindow.
bool PaintNative(TWinControl& control, TCanvas& canvas);

} // namespace headless
