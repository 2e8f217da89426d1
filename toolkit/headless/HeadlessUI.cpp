// Screenshots painted from the model, and input delivered where a user's input would go.
#include "toolkit/headless/HeadlessUI.h"

#include "toolkit/Dispatch.h"
#include "toolkit/DispatchState.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/headless/HeadlessState.h"
#include "toolkit/headless/RasterCanvas.h"

namespace headless {
namespace {

// What a native control reports runs under the application's guard, as on Windows.
void Guarded(const std::function<void()>& action) {
    if (Application)
        Application->Guard(action);
    else
        action();
}

bool IsNative(const TWinControl& w) {
    return dynamic_cast<const TEdit*>(&w) || dynamic_cast<const TButtonControl*>(&w) ||
        dynamic_cast<const TComboBox*>(&w) || dynamic_cast<const TDriveComboBox*>(&w) ||
        dynamic_cast<const TDirectoryListBox*>(&w);
}

// The window under a point of the form and the point in its client pixels: the deepest
// visible, enabled child window.
TWinControl& WindowAt(TForm& form, TPoint& p) {
    TWinControl* window = &form;
    const TScale scale = form.Scale();
    for (bool deeper = true; deeper;) {
        deeper = false;
        const auto& children = window->Controls();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            auto* child = dynamic_cast<TWinControl*>(*it);
            if (!child || !child->Visible() || !child->Enabled()) continue;
            const TRect place = scale.Bounds(child->BoundsRect());
            if (!place.Contains(p)) continue;
            p = {p.X - place.Left, p.Y - place.Top};
            window = child;
            deeper = true;
            break;
        }
    }
    return *window;
}

// The window that gets the mouse, the captured one or else the one under the pixel, and the
// point in its client coordinates of the model.
TWinControl& MouseWindow(TForm& form, TPoint& p) {
    TWinControl* window = TheState().Captured;
    if (window) {
        const TRect r = ControlRectInForm(*window);
        p = {p.X - r.Left, p.Y - r.Top};
    } else {
        window = &WindowAt(form, p);
    }
    p = window->Scale().Unapply(p);
    return *window;
}

void Hover(TWinControl& window) {
    State& state = TheState();
    if (state.HoverWindow == &window) return;
    if (state.HoverWindow && !IsNative(*state.HoverWindow)) dispatch::MouseLeftWindow(*state.HoverWindow);
    state.HoverWindow = &window;
}

int ListItemAt(const TDirectoryListBox& list, TPoint p) {
    const int index = (p.Y - 2) / list.ItemHeight;
    return p.Y >= 2 && index < int(list.Items().size()) ? index : -1;
}

// A release over the native control that the press began on.
void NativeClick(TWinControl& window, TPoint p) {
    Guarded([&] {
        if (auto* button = dynamic_cast<TButtonControl*>(&window))
            button->ClickedByUser();
        else if (auto* list = dynamic_cast<TDirectoryListBox*>(&window))
            list->ItemSelectedByUser(ListItemAt(*list, p));
    });
}

TShiftState ButtonShift(TMouseButton button) {
    return button == mbLeft ? ssLeft : button == mbRight ? ssRight : ssMiddle;
}

void Press(TForm& form, int x, int y, TMouseButton button, bool doubleClick) {
    TPoint p{x, y};
    TWinControl& window = MouseWindow(form, p);
    if (!IsNative(window)) {
        dispatch::MouseDown(window, button, ButtonShift(button), p.X, p.Y, doubleClick);
        return;
    }
    if (window.CanFocus()) window.SetFocus();
    TheState().PressedNative = &window;
    if (auto* list = dynamic_cast<TDirectoryListBox*>(&window); list && doubleClick)
        Guarded([&] { list->ItemOpenedByUser(ListItemAt(*list, p)); });
}

// Paints a window and its child windows at the window's scale, at origin on the target.
void PaintTree(TWinControl& window, TBitmap& target, TPoint origin, const TRect& clip) {
    const TScale scale = window.Scale();
    const TRect client = scale.Bounds(window.ClientRect());
    TBitmap surface(client.Width(), client.Height());
    RasterCanvas canvas(surface);
    canvas.SetScale(scale);
    if (!PaintNative(window, canvas)) dispatch::PaintWindow(window, canvas, client);
    RasterCanvas onTarget(target);
    onTarget.SetViewport(origin, clip);
    onTarget.Draw(0, 0, surface);
    const TRect inner = IntersectRects(clip, Bounds(origin.X, origin.Y, client.Width(), client.Height()));
    for (TControl* child : window.Controls()) {
        auto* childWindow = dynamic_cast<TWinControl*>(child);
        if (!childWindow || !childWindow->Visible()) continue;
        const TPoint place = scale.Apply(TPoint{child->Left(), child->Top()});
        PaintTree(*childWindow, target, {origin.X + place.X, origin.Y + place.Y}, inner);
    }
}

} // namespace

void Reset() {
    State& state = TheState();
    state.Boxes.clear();
    state.WhileBoxShows = nullptr;
    state.AccessibleEvents.clear();
    state.Queued.clear();
    state.Captured = nullptr;
    state.HoverWindow = nullptr;
    state.PressedNative = nullptr;
    state.QuitRequested = false;
    state.Dpi = DesignDpi;
    dispatch::ResetInput();
}

void SetDisplayDpi(int dpi) {
    TheState().Dpi = dpi;
}

TBitmap Screenshot(TForm& form) {
    const TScale scale = form.Scale();
    TBitmap shot(scale.Apply(form.ClientWidthValue()), scale.Apply(form.ClientHeightValue()));
    PaintTree(form, shot, {0, 0}, Rect(0, 0, shot.Width(), shot.Height()));
    return shot;
}

bool SaveScreenshot(TForm& form, const std::string& hostPath) {
    return SaveToPng(Screenshot(form), hostPath);
}

const std::vector<RecordedBox>& MessageBoxes() {
    return TheState().Boxes;
}

void SetWhileBoxShows(std::function<void()> inside) {
    TheState().WhileBoxShows = std::move(inside);
}

void ClearMessageBoxes() {
    TheState().Boxes.clear();
}

const std::vector<RecordedAccessibleEvent>& AccessibleEvents() {
    return TheState().AccessibleEvents;
}

void ClearAccessibleEvents() {
    TheState().AccessibleEvents.clear();
}

void MouseMove(TForm& form, int x, int y) {
    TPoint p{x, y};
    TWinControl& window = MouseWindow(form, p);
    Hover(window);
    if (!IsNative(window)) dispatch::MouseMove(window, 0, p.X, p.Y);
}

void MouseDown(TForm& form, int x, int y, TMouseButton button) {
    Press(form, x, y, button, false);
}

void MouseUp(TForm& form, int x, int y, TMouseButton button) {
    TPoint p{x, y};
    TWinControl& window = MouseWindow(form, p);
    if (!IsNative(window)) {
        dispatch::MouseUp(window, button, 0, p.X, p.Y);
        return;
    }
    const bool clicked = TheState().PressedNative == &window && button == mbLeft;
    TheState().PressedNative = nullptr;
    if (clicked) NativeClick(window, p);
}

void Click(TForm& form, int x, int y) {
    MouseMove(form, x, y);
    MouseDown(form, x, y);
    MouseUp(form, x, y);
}

// As Windows reports it: press, release, double-click press, release.
void DoubleClick(TForm& form, int x, int y) {
    Click(form, x, y);
    Press(form, x, y, mbLeft, true);
    MouseUp(form, x, y);
}

void KeyChar(TForm& form, char key, bool alt) {
    TWinControl* focused = form.ActiveControl();
    if (!alt) {
        if (auto* edit = dynamic_cast<TEdit*>(focused)) {
            std::string text = edit->Text();
            if (key == '\b') {
                if (!text.empty()) text.pop_back();
            } else if (static_cast<unsigned char>(key) >= ' ') {
                text += key;
            }
            Guarded([&] { edit->TextEditedByUser(text); });
            return;
        }
        if (auto* list = dynamic_cast<TDirectoryListBox*>(focused); list && key == '\r') {
            Guarded([&] { list->ItemOpenedByUser(list->ItemIndex()); });
            return;
        }
    }
    dispatch::DialogChar(form, key);
}

void Type(TForm& form, const std::string& text) {
    for (char c : text) KeyChar(form, c);
}

void SetEditText(TEdit& edit, const std::string& text) {
    if (edit.CanFocus()) edit.SetFocus();
    Guarded([&] { edit.TextEditedByUser(text); });
}

void PickItem(TComboBox& combo, int index) {
    Guarded([&] { combo.SelectedByUser(index); });
}

void PickDrive(TDriveComboBox& combo, int index) {
    Guarded([&] { combo.DriveSelectedByUser(index); });
}

void OpenDirectoryItem(TDirectoryListBox& list, int index) {
    Guarded([&] {
        list.ItemSelectedByUser(index);
        list.ItemOpenedByUser(index);
    });
}

void PostClick(TForm& form, int x, int y) {
    TheState().Queued.push_back([&form, x, y] { Click(form, x, y); });
}

void PostDpiChange(TForm& form, int dpi) {
    TheState().Queued.push_back([&form, dpi] { Guarded([&] { form.ChangeDpi(dpi); }); });
}

TRect ControlRectInForm(const TControl& control) {
    const TScale scale = control.Scale();
    if (!control.Parent()) return scale.Bounds(control.ClientRect()); // the form itself
    TRect r = scale.Bounds(control.BoundsRect());
    for (const TWinControl* p = control.Parent(); p && p->Parent(); p = p->Parent()) {
        const TPoint o = scale.Apply(TPoint{p->Left(), p->Top()});
        r = {r.Left + o.X, r.Top + o.Y, r.Right + o.X, r.Bottom + o.Y};
    }
    return r;
}

TPoint CenterOf(const TControl& control) {
    const TRect r = ControlRectInForm(control);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

void RunPending() {
    for (int round = 0; round < 100000 && RunOnce(); ++round) {}
}

ApplicationScope::ApplicationScope() {
    delete Application;
    Application = new TApplication;
    Reset();
}

ApplicationScope::~ApplicationScope() {
    delete Application;
    Application = nullptr;
    Reset();
}

const std::string& ApplicationTitle() {
    return TheState().Title;
}

} // namespace headless
