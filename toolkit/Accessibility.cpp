#include "toolkit/Accessibility.h"

#include <algorithm>

#include "toolkit/Dispatch.h"

namespace accessibility {

std::vector<TControl*> Children(const TWinControl& container) {
    std::vector<TControl*> children;
    for (TControl* c : container.Controls()) {
        auto* window = dynamic_cast<TWinControl*>(c);
        if (!window || window->Peer()) children.push_back(c);
    }
    return children;
}

int ChildId(const TControl& control) {
    if (!control.Parent()) return 0;
    const std::vector<TControl*> children = Children(*control.Parent());
    const auto found = std::find(children.begin(), children.end(), &control);
    return found == children.end() ? 0 : int(found - children.begin()) + 1;
}

TControl* ChildOf(const TWinControl& container, long childId) {
    const std::vector<TControl*> children = Children(container);
    if (childId < 1 || childId > long(children.size())) return nullptr;
    return children[std::size_t(childId - 1)];
}

bool DoDefaultAction(TGraphicControl& control) {
    const TAccessible accessible = control.Accessible();
    if (accessible.DefaultAction.empty() || (accessible.State & (asUnavailable | asInvisible))) return false;
    dispatch::PostPress(control);
    return true;
}

} // namespace accessibility
