#include "toolkit/Accessibility.h"

#include "toolkit/Dispatch.h"

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

bool DoDefaultAction(TGraphicControl& control) {
    const TAccessible accessible = control.Accessible();
    if (!accessible.DefaultAction || (accessible.State & (asUnavailable | asInvisible))) return false;
    dispatch::PostPress(control);
    return true;
}

} // namespace accessibility
