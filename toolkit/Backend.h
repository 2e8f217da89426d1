// What a backend provides to the control model. Only toolkit/ and the backends include this.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/Controls.h"

class TTimer;
class TPopupMenu;

// The backend's realisation of one windowed control. It reads the model's state when told
// what changed; user input comes back through toolkit/Dispatch.h and the controls'
// "...ByUser" entry points.
class TControlPeer {
public:
    virtual ~TControlPeer() = default;
    virtual void Changed(TChange what) = 0;
    virtual void Invalidate(const TRect& clientRect) = 0;
    virtual void Update() {} // paints what is invalid now
    virtual std::uintptr_t Handle() const = 0; // the HWND on Windows; an id in the headless backend
};

namespace backend {

std::unique_ptr<TControlPeer> CreatePeer(TWinControl& control);
// A canvas that paints at once on the parent window's surface at the control's place.
std::unique_ptr<TCanvas> CreateDirectCanvas(TGraphicControl& control);
// A canvas that paints into the bitmap's pixels.
std::unique_ptr<TCanvas> CreateBitmapCanvas(TBitmap& bitmap);
// A canvas that only measures text, as the screen shows it.
std::unique_ptr<TCanvas> CreateMeasuringCanvas();

TColor SystemColor(int index); // red, green and blue of a system colour
TSize ScreenSize(); // in pixels
int DisplayDpi(); // where a new window appears: the system's DPI
TPoint ClientToScreen(const TWinControl& control, TPoint clientPoint); // model point, screen pixels
void SetCapture(TWinControl* window); // nullptr releases it

void TimerChanged(TTimer& timer); // enabled, interval or handler changed
void TimerDestroyed(TTimer& timer);
void PopupAt(TPopupMenu& menu, TPoint screenPoint);

void SetApplicationTitle(const std::string& title);
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
void ProcessMessages(); // everything pending, then return
void RunMessageLoop(); // until the application terminates
void QuitMessageLoop();
void WakeMainThread(); // a thread queued a synchronise call
void PostToMainThread(std::function<void()> action); // run by the message loop's next round, on the GUI thread
// Tells assistive technology listening to container's window of a change of its child
// childId (0: the container itself).
void AccessibleEvent(TWinControl& container, TAccEvent event, int childId);
void ApplicationStarting(); // once, from TApplication::Initialize

} // namespace backend
