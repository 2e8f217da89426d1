// Page control with its sheets, and the progress bar.
#include "toolkit/ComCtrls.h"

#include <algorithm>

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetAlign(alClient);
}

TTabSheet::~TTabSheet() {
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_) {
        auto& pages = pageControl_->pages_;
        pages.erase(std::remove(pages.begin(), pages.end(), this), pages.end());
        if (pageControl_->activePage_ == this) pageControl_->activePage_ = nullptr;
    }
    pageControl_ = pageControl;
    if (pageControl) pageControl->pages_.push_back(this);
    SetParent(pageControl);
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    while (!pages_.empty()) delete pages_.back();
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    if (page == activePage_) return;
    TTabSheet* previous = activePage_;
    activePage_ = page;
    if (page) page->Show();
    if (previous) previous->Hide();
}

TRect TPageControl::ClientRect() const {
    return Rect(0, 0, Width(), Height());
}

// ---- TProgressBar ----

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(int value) {
    if (value == min_) return;
    min_ = value;
    if (max_ < min_) max_ = min_;
    position_ = std::clamp(position_, min_, max_);
    Changed(TChange::Range);
}

void TProgressBar::SetMax(int value) {
    if (value == max_) return;
    max_ = value;
    if (min_ > max_) min_ = max_;
    position_ = std::clamp(position_, min_, max_);
    Changed(TChange::Range);
}

void TProgressBar::SetPosition(int value) {
    value = std::clamp(value, min_, max_);
    if (value == position_) return;
    position_ = value;
    Changed(TChange::Position);
}

// A sunken frame and the done part filled from the left.
void TProgressBar::PaintWindow(TCanvas& canvas) {
    TWinControl::PaintWindow(canvas);
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBtnShadow;
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(0, 0, Width(), Height());
    const long long range = (long long)max_ - min_;
    if (range <= 0) return;
    const int inner = Width() - 2;
    const int done = int(((long long)position_ - min_) * inner / range);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clHighlight;
    canvas.FillRect(Rect(1, 1, 1 + done, Height() - 1));
}
