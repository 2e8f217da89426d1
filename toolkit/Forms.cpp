// Forms and frames.
#include "toolkit/Forms.h"

#include "toolkit/Backend.h"

namespace {

// The frame that the window system adds around a form's client area.
struct FrameSize {
    int Left, Top, Right, Bottom;
};

FrameSize FrameOf(TBorderStyle style) {
    if (style == bsNone) return {0, 0, 0, 0};
    return {3, 22, 3, 3};
}

} // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner), dpi_(backend::DisplayDpi()) {
    SetVisible(false);
    SetParentColor(false);
    SetParentFont(false);
}

TForm::~TForm() = default;

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    const FrameSize frame = FrameOf(BorderStyle);
    SetBounds(Left(), Top(), width + frame.Left + frame.Right, height + frame.Top + frame.Bottom);
    Realign();
}

TRect TForm::ClientRect() const {
    return Rect(0, 0, clientWidth_, clientHeight_);
}

void TForm::ChangeDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    ScaleChanged();
}

void TForm::AfterConstruction() {
    if (OnCreate) OnCreate(this);
}

void TForm::ShowForm() {
    if (Position == poScreenCenter && !Visible()) {
        const TSize screen = backend::ScreenSize();
        const TScale scale = Scale();
        SetBounds((scale.Unapply(screen.cx) - Width()) / 2, (scale.Unapply(screen.cy) - Height()) / 2, Width(),
                  Height());
    }
    closed_ = false;
    CreatePeerIfNeeded();
    SetVisible(true);
}

void TForm::Close() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return;
    closed_ = true;
    Hide();
    if (Application && Application->MainForm == this) Application->Terminate();
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control == activeControl_) return;
    activeControl_ = control;
    if (control && control->Peer()) control->Peer()->Changed(TChange::Focus);
}

void TForm::PaintWindow(TCanvas& canvas) {
    TWinControl::PaintWindow(canvas);
}

TFrame::TFrame(TComponent* owner) : TWinControl(owner) {}

void TFrame::PaintWindow(TCanvas& canvas) {
    TWinControl::PaintWindow(canvas);
}
