// The tree that a container shows assistive technology: its window-less controls as simple
// elements and its child windows as objects of their own, in z-order. Child id n is the n-th
// listed control; windows without a window yet (a sheet never shown) are not listed.
#pragma once

#include "toolkit/Controls.h"

namespace accessibility {

int ChildCount(const TWinControl& container);
TControl* ChildOf(const TWinControl& container, long childId); // null if out of range
int ChildId(const TControl& control); // 0 if its parent does not list it

// The control's default action, done as a mouse click does it at the next round of the
// message loop. False, and nothing done, if it has none or is disabled or not showing.
bool DoDefaultAction(TGraphicControl& control);

} // namespace accessibility
