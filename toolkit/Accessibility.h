// The tree that a container shows assistive technology: its window-less controls as simple
// elements and its child windows as objects of their own, in z-order. Child id n is the n-th
// listed control; windows without a window yet (a sheet never shown) are not listed.
#pragma once

#include "toolkit/Controls.h"

namespace accessibility {

int ChildCount(const TWinControl& container);
TControl* ChildOf(const TWinControl& container, long childId); // null if out of range
int ChildId(const TControl& control); // 0 if its parent does not list it

// The first or last listed child of the container (from 0, the container itself), or the
// one after or before the child from; 0 where there is none.
enum class TAccNavigation { First, Last, Next, Previous };
int Navigate(const TWinControl& container, long from, TAccNavigation direction);

// False while no click could act on the control: a message box is open, or its form holds
// its actions (a page slides, a run works).
bool ActionsAllowed(const TControl& control);

// The control's default action, done as a mouse click does it at the next round of the
// message loop, if actions are still allowed then. False, and nothing done, if it has none,
// is disabled or not showing, or actions are not allowed now.
bool DoDefaultAction(TGraphicControl& control);

} // namespace accessibility
