// Mouse, accelerator and paint delivery from a backend's windows to the model.
#include "toolkit/Dispatch.h"

#include <algorithm>
#include <vector>

#include "toolkit/Accessibility.h"
#include "toolkit/Backend.h"
#include "toolkit/DispatchState.h"
#include "toolkit/Forms.h"

namespace dispatch {
namespace {

TControl* captureControl = nullptr;
TControl* mouseControl = nullptr; // the control under the pointer, application-wide
TControl* pressedControl = nullptr; // where the last left press began
std::vector<TControl*> postedPresses; // controls with a press on its way

void Guarded(const std::function<void()>& action) {
    if (Application)
        Application->Guard(action);
    else
        action();
}

// Where a control's client origin lies in its form's client area.
TPoint OriginInForm(const TControl& control) {
    TPoint origin;
    for (const TControl* c = &control; c->Parent(); c = c->Parent()) origin = c->ClientToParentWindow(origin);
    return origin;
}

// A point in window's client coordinates, in the client coordinates of control.
TPoint ToControl(const TWinControl& window, const TControl& control, TPoint p) {
    if (&control == &window) return p;
    if (control.Parent() == &window) return {p.X - control.Left(), p.Y - control.Top()};
    const TPoint from = OriginInForm(window), to = OriginInForm(control);
    return {p.X + from.X - to.X, p.Y + from.Y - to.Y};
}

// The control that receives a mouse event: the capture, else the enabled window-less child
// under the point, else the window itself.
TControl& Target(TWinControl& window, TPoint p) {
    if (captureControl) return *captureControl;
    if (TControl* child = window.ControlAtPos(p, false)) return *child;
    return window;
}

void TrackPointer(TWinControl& window, TPoint p) {
    TControl* under = window.ControlAtPos(p, true);
    if (!under) under = &window;
    if (under == mouseControl) return;
    TControl* old = mouseControl;
    mouseControl = under;
    if (old) old->MouseLeave();
    if (mouseControl == under) under->MouseEnter();
}

bool Broadcast(TWinControl& parent, char key) {
    for (TControl* c : parent.Controls()) {
        if (!c->Visible()) continue;
        if (c->DialogChar(key)) return true;
        if (auto* window = dynamic_cast<TWinControl*>(c); window && Broadcast(*window, key)) return true;
    }
    return false;
}

} // namespace

TControl* CaptureControl() {
    return captureControl;
}
void SetCaptureControl(TControl* control) {
    captureControl = control;
}
TControl* MouseControl() {
    return mouseControl;
}

void CancelClick(TControl& control) {
    if (pressedControl == &control) pressedControl = nullptr;
}

void ControlDestroyed(TControl& control) {
    if (captureControl == &control) captureControl = nullptr;
    if (mouseControl == &control) mouseControl = nullptr;
    if (pressedControl == &control) pressedControl = nullptr;
    postedPresses.erase(std::remove(postedPresses.begin(), postedPresses.end(), &control), postedPresses.end());
}

void ResetInput() {
    captureControl = mouseControl = pressedControl = nullptr;
    postedPresses.clear();
}

void MouseDown(TWinControl& window, TMouseButton button, TShiftState shift, int x, int y, bool doubleClick) {
    Guarded([&] {
        TControl& target = Target(window, {x, y});
        const TPoint p = ToControl(window, target, {x, y});
        if (button == mbLeft) {
            if (target.ControlStyle & csCaptureMouse) target.SetMouseCapture(true);
            pressedControl = (target.ControlStyle & csClickEvents) ? &target : nullptr;
        }
        if (doubleClick && (target.ControlStyle & csDoubleClicks))
            target.DoubleClickDown(button, shift, p.X, p.Y);
        else
            target.MouseDown(button, shift, p.X, p.Y);
    });
}

void MouseUp(TWinControl& window, TMouseButton button, TShiftState shift, int x, int y) {
    Guarded([&] {
        TControl& target = Target(window, {x, y});
        const TPoint p = ToControl(window, target, {x, y});
        if (button == mbLeft) {
            if (target.MouseCapture()) target.SetMouseCapture(false);
            const bool clicked = pressedControl == &target && target.ClientRect().Contains(p);
            pressedControl = nullptr;
            try {
                if (clicked) target.Click();
            } catch (...) {
                target.MouseUp(button, shift, p.X, p.Y); // released before the error shows
                throw;
            }
        }
        target.MouseUp(button, shift, p.X, p.Y);
    });
}

void MouseMove(TWinControl& window, TShiftState shift, int x, int y) {
    Guarded([&] {
        TrackPointer(window, {x, y});
        TControl& target = Target(window, {x, y});
        const TPoint p = ToControl(window, target, {x, y});
        target.MouseMove(shift, p.X, p.Y);
    });
}

void MouseLeftWindow(TWinControl& window) {
    Guarded([&] {
        if (!mouseControl || (mouseControl != &window && mouseControl->Parent() != &window)) return;
        TControl* old = mouseControl;
        mouseControl = nullptr;
        old->MouseLeave();
    });
}

bool DialogChar(TForm& form, char key) {
    bool taken = false;
    Guarded([&] { taken = Broadcast(form, key); });
    return taken;
}

void PostPress(TControl& control) {
    postedPresses.push_back(&control);
    backend::PostToMainThread([target = &control] {
        const auto posted = std::find(postedPresses.begin(), postedPresses.end(), target);
        if (posted == postedPresses.end()) return;
        postedPresses.erase(posted);
        TWinControl* window = target->Parent();
        if (!window || !target->Enabled() || !target->Showing() || !accessibility::ActionsAllowed(*target)) return;
        const int x = target->Left() + target->Width() / 2, y = target->Top() + target->Height() / 2;
        MouseDown(*window, mbLeft, 0, x, y, false);
        MouseUp(*window, mbLeft, 0, x, y);
    });
}

void PaintWindow(TWinControl& window, TCanvas& canvas, const TRect& dirty) {
    Guarded([&] {
        canvas.SetViewport({0, 0}, dirty);
        window.PaintWindow(canvas);
        for (TControl* c : window.Controls()) {
            auto* graphic = dynamic_cast<TGraphicControl*>(c);
            if (!graphic || !graphic->Visible()) continue;
            const TRect place = canvas.Scale().Bounds(graphic->BoundsRect());
            const TRect area = IntersectRects(place, dirty);
            if (area.Width() <= 0 || area.Height() <= 0) continue;
            canvas.SetViewport({place.Left, place.Top}, area);
            graphic->PaintOn(canvas);
        }
        canvas.SetViewport({0, 0}, dirty);
    });
}

} // namespace dispatch
