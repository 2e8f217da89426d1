// The input state that the dispatcher keeps across events: the control holding the mouse
// capture, the control under the pointer and the control a left press began on.
#pragma once

#include "toolkit/Controls.h"

namespace dispatch {

TControl* CaptureControl();
void SetCaptureControl(TControl* control);
TControl* MouseControl();
void CancelClick(TControl& control); // the press on it will not end in a click
void ControlDestroyed(TControl& control);
void ResetInput();

} // namespace dispatch
