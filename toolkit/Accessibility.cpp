#include "toolkit/Accessibility.h"

#include "toolkit/Dispatch.h"
#include "toolkit/Forms.h"

namespace accessibility {

namespace {

bool Listed(const TControl* control) {
    auto* window = dynamic_cast<const TWinControl*>(control);
    return !window || window->Peer();
}

} // namespace

int ChildCount(const TWinControl& container) {
    int count = 0;
    for (TControl* c : container.Controls()) count += Listed(c);
    return count;
}

TControl* ChildOf(const TWinControl& container, long childId) {
    if (childId < 1) return nullptr;
    for (TControl* c : container.Controls())
        if (Listed(c) && --childId == 0) return c;
    return nullptr;
}

int ChildId(const TControl& control) {
    if (!control.Parent()) return 0;
    int id = 0;
    for (TControl* c : control.Parent()->Controls()) {
        id += Listed(c);
        if (c == &control) return Listed(c) ? id : 0;
    }
    return 0;
}

int Navigate(const TWinControl& container, long from, TAccNavigation direction) {
    const int count = ChildCount(container);
    switch (direction) {
    case TAccNavigation::First: return from == 0 && count > 0 ? 1 : 0;
    case TAccNavigation::Last: return from == 0 ? count : 0;
    case TAccNavigation::Next: return from >= 1 && from < count ? int(from) + 1 : 0;
    case TAccNavigation::Previous: return from > 1 && from <= count ? int(from) - 1 : 0;
    }
    return 0;
}

bool ActionsAllowed(const TControl& control) {
    const TForm* form = control.ParentForm();
    return !BoxShowing() && !(form && form->ActionHolds > 0);
}

bool DoDefaultAction(TGraphicControl& control) {
    const TAccessible accessible = control.Accessible();
    if (!accessible.DefaultAction || (accessible.State & (asUnavailable | asInvisible))) return false;
    if (!ActionsAllowed(control)) return false;
    dispatch::PostPress(control);
    return true;
}

} // namespace accessibility
