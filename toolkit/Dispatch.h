// Input and painting as every backend delivers them to the model: hit testing of
// window-less children, mouse capture, click before release, mouse enter and leave,
// accelerators. Each entry point runs under the application's exception guard.
#pragma once

#include "toolkit/Controls.h"

class TForm;

namespace dispatch {

// A mouse event on a windowed control at client coordinates of the model (the backend takes
// its pixels back to the model's scale).
void MouseDown(TWinControl& window, TMouseButton button, TShiftState shift, int x, int y, bool doubleClick);
void MouseUp(TWinControl& window, TMouseButton button, TShiftState shift, int x, int y);
void MouseMove(TWinControl& window, TShiftState shift, int x, int y);
void MouseLeftWindow(TWinControl& window); // the pointer left the window

// A character typed while no control takes it (or with Alt): offered to every showing
// control of the form as an accelerator, in the order of each parent's controls, depth
// first. True if one took it.
bool DialogChar(TForm& form, char key);

// A left press at the middle of a window-less control and its release, delivered as the
// mouse delivers them at the next round of the message loop, if the control is then still
// enabled and showing and actions are allowed (toolkit/Accessibility.h); forgotten if it is
// destroyed first.
void PostPress(TControl& control);

// Paints a window: its own face, then its window-less children that meet the dirty rectangle
// (in the canvas's pixels; the canvas has the window's scale).
void PaintWindow(TWinControl& window, TCanvas& canvas, const TRect& dirty);

} // namespace dispatch
