// Test control of the headless backend: the screen as pixels, recorded message boxes, and
// input given as a user gives it. Coordinates are client pixels of the main form, at its DPI.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/FileCtrl.h"
#include "toolkit/Forms.h"

namespace headless {

void Reset(); // forgets boxes, queued input, capture, the pointer's window; the display back at 96 DPI
void SetDisplayDpi(int dpi); // where forms made from now on appear

// The form as it shows now (its client area), painted from the model.
TBitmap Screenshot(TForm& form);
bool SaveScreenshot(TForm& form, const std::string& hostPath);
// The bitmap as an RGB PNG file; false if it cannot be written.
bool SaveToPng(const TBitmap& bitmap, const std::string& hostPath);

struct RecordedBox {
    std::string Text, Caption;
    unsigned Flags;
};
const std::vector<RecordedBox>& MessageBoxes();
void ClearMessageBoxes();
// Runs inside every box from now on, as a box's own message loop runs what was posted.
void SetWhileBoxShows(std::function<void()> inside);

// The events raised for assistive technology, oldest first.
struct RecordedAccessibleEvent {
    TWinControl* Container;
    TAccEvent Event;
    int ChildId;
};
const std::vector<RecordedAccessibleEvent>& AccessibleEvents();
void ClearAccessibleEvents();

// Input, delivered at once through the same dispatch as the Windows backend's; what native
// controls report runs under the application's guard.
void MouseMove(TForm& form, int x, int y);
void MouseDown(TForm& form, int x, int y, TMouseButton button = mbLeft);
void MouseUp(TForm& form, int x, int y, TMouseButton button = mbLeft);
void Click(TForm& form, int x, int y); // move, press, release
void DoubleClick(TForm& form, int x, int y);
void KeyChar(TForm& form, char key, bool alt = false); // to the focused control, or as an accelerator
void Type(TForm& form, const std::string& text); // into the focused edit, appended
void SetEditText(TEdit& edit, const std::string& text); // select all and type over it
void PickItem(TComboBox& combo, int index);
void PickDrive(TDriveComboBox& combo, int index);
void OpenDirectoryItem(TDirectoryListBox& list, int index); // double-click on an item

// Input queued now and delivered by a later ProcessMessages (e.g. while a slide runs).
void PostClick(TForm& form, int x, int y);
// The form's window moved to a monitor of another DPI (WM_DPICHANGED), told at a later
// ProcessMessages.
void PostDpiChange(TForm& form, int dpi);

// Where a control lies in the form's client coordinates.
TRect ControlRectInForm(const TControl& control);
TPoint CenterOf(const TControl& control);

// Runs timers that are due by the platform clock and pending paints until nothing is left.
void RunPending();

// A fresh global Application for a test, destroyed (with its forms) at the end of the scope;
// the backend's records are reset at both ends.
class ApplicationScope {
public:
    ApplicationScope();
    ~ApplicationScope();
    ApplicationScope(const ApplicationScope&) = delete;
    ApplicationScope& operator=(const ApplicationScope&) = delete;
};

const std::string& ApplicationTitle(); // as the task bar would show it

} // namespace headless
