// The tree that a container shows assistive technology: its window-less controls as simple
// elements and its child windows as objects of their own, in z-order.
#pragma once

#include <vector>

#include "toolkit/Controls.h"

namespace accessibility {

// The children of a container; child id n is element n - 1. Windows without a window yet
// (a sheet never shown) are left out.
std::vector<TControl*> Children(const TWinControl& container);
int ChildId(const TControl& control); // 0 if its parent does not list it
TControl* ChildOf(const TWinControl& container, long childId); // null if out of range

// The control's default action, done as a mouse click does it at the next round of the
// message loop. False, and nothing done, if it has none or is disabled or not showing.
bool DoDefaultAction(TGraphicControl& control);

} // namespace accessibility
