// The backend without windows: peers are ids, painting happens on demand from the model,
// timers run by the platform clock, message boxes are recorded.
#include <atomic>

#include "platform/Platform.h"
#include "toolkit/Backend.h"
#include "toolkit/Classes.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessState.h"
#include "toolkit/headless/RasterCanvas.h"

namespace headless {

State& TheState() {
    static State state;
    return state;
}

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

class Peer : public TControlPeer {
public:
    Peer() : id_(++lastId_) {}
    void Changed(TChange) override {}
    void Invalidate(const TRect&) override {}
    std::uintptr_t Handle() const override { return id_; }

private:
    static inline std::atomic<std::uintptr_t> lastId_{0};
    std::uintptr_t id_;
};

// A canvas whose output nobody sees: screenshots paint from the model instead.
struct ScratchSurface {
    TBitmap Surface{1, 1};
};
class ScratchCanvas : private ScratchSurface, public RasterCanvas {
public:
    ScratchCanvas() : RasterCanvas(Surface) {}
};

bool RunDueTimers() {
    State& state = TheState();
    bool ran = false;
    std::vector<TTimer*> due;
    const double now = platform::Now();
    for (auto& [timer, when] : state.TimerDue)
        if (now >= when) due.push_back(timer);
    for (TTimer* timer : due) {
        auto found = state.TimerDue.find(timer);
        if (found == state.TimerDue.end()) continue; // destroyed or stopped by an earlier handler
        found->second = now + timer->Interval() / kMillisecondsPerDay;
        timer->Fire();
        ran = true;
    }
    return ran;
}

bool RunQueuedInput() {
    std::vector<std::function<void()>> queued;
    queued.swap(TheState().Queued);
    for (auto& input : queued) input();
    return !queued.empty();
}

bool Terminated() {
    return TheState().QuitRequested || (Application && Application->Terminated());
}

} // namespace

bool RunOnce() {
    bool ran = CheckSynchronize();
    ran = RunQueuedInput() || ran;
    ran = RunDueTimers() || ran;
    return ran;
}

} // namespace headless

namespace backend {

using headless::TheState;

std::unique_ptr<TControlPeer> CreatePeer(TWinControl&) {
    return std::make_unique<headless::Peer>();
}

std::unique_ptr<TCanvas> CreateDirectCanvas(TGraphicControl&) {
    return std::make_unique<headless::ScratchCanvas>();
}

std::unique_ptr<TCanvas> CreateBitmapCanvas(TBitmap& bitmap) {
    return std::make_unique<RasterCanvas>(bitmap);
}

std::unique_ptr<TCanvas> CreateMeasuringCanvas() {
    return std::make_unique<headless::ScratchCanvas>();
}

// The classic Windows scheme.
TColor SystemColor(int index) {
    switch (index) {
    case 0: return RGBColor(0xC8, 0xC8, 0xC8);
    case 1: return RGBColor(0x00, 0x80, 0x80);
    case 5: return clWhite;
    case 6:
    case 8:
    case 18: return clBlack;
    case 13: return RGBColor(0x0A, 0x24, 0x6A);
    case 14:
    case 20: return clWhite;
    case 15:
    case 22: return RGBColor(0xD4, 0xD0, 0xC8);
    case 16:
    case 17: return RGBColor(0x80, 0x80, 0x80);
    case 21: return RGBColor(0x40, 0x40, 0x40);
    default: return RGBColor(0xD4, 0xD0, 0xC8);
    }
}

TSize ScreenSize() {
    return {1024, 768};
}

int DisplayDpi() {
    return TheState().Dpi;
}

TPoint ClientToScreen(const TWinControl& control, TPoint clientPoint) {
    const TRect place = headless::ControlRectInForm(control);
    const TScale scale = control.Scale();
    TPoint p = scale.Apply(clientPoint);
    p = {p.X + place.Left, p.Y + place.Top};
    if (const TForm* form = control.ParentForm()) {
        const int frameX = (form->Width() - form->ClientWidthValue()) / 2;
        const int frameY = form->Height() - form->ClientHeightValue() - frameX;
        p = {p.X + scale.Apply(form->Left() + frameX), p.Y + scale.Apply(form->Top() + frameY)};
    }
    return p;
}

void SetCapture(TWinControl* window) {
    TheState().Captured = window;
}

void TimerChanged(TTimer& timer) {
    auto& timers = TheState().TimerDue;
    if (timer.Enabled() && timer.Interval() > 0)
        timers[&timer] = platform::Now() + timer.Interval() / headless::kMillisecondsPerDay;
    else
        timers.erase(&timer);
}

void TimerDestroyed(TTimer& timer) {
    TheState().TimerDue.erase(&timer);
}

void PopupAt(TPopupMenu&, TPoint) {}

void SetApplicationTitle(const std::string& title) {
    TheState().Title = title;
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    TheState().Boxes.push_back({text, caption, flags});
    if (const std::function<void()> inside = TheState().WhileBoxShows) inside();
    return idOK;
}

void ProcessMessages() {
    headless::RunOnce();
}

// Runs until terminated, or until nothing is left to do: no input, no synchronise call, no
// enabled timer, or a clock that no longer advances while timers wait.
void RunMessageLoop() {
    TheState().QuitRequested = false;
    double lastRead = -1;
    while (!headless::Terminated()) {
        if (headless::RunOnce()) continue;
        if (TheState().TimerDue.empty()) break;
        const double now = platform::Now();
        if (now <= lastRead) break;
        lastRead = now;
    }
}

void QuitMessageLoop() {
    TheState().QuitRequested = true;
}

void WakeMainThread() {}

void PostToMainThread(std::function<void()> action) {
    TheState().Queued.push_back(std::move(action));
}

void AccessibleEvent(TWinControl& container, TAccEvent event, int childId) {
    TheState().AccessibleEvents.push_back({&container, event, childId});
}

void ApplicationStarting() {}

} // namespace backend
