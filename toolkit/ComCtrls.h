// Page container and progress bar.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/Controls.h"

class TPageControl;

// One sheet of a page control; only the active sheet is visible. Tabs are never drawn when
// TabVisible is off (the only way the installer uses them).
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    bool TabVisible = true;
    // A hidden sheet gets its windows when first shown: pages not yet visited cost nothing.
    bool DefersPeer() const override { return !Visible(); }

private:
    TPageControl* pageControl_ = nullptr;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override; // destroys its sheets while their list still exists
    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(index); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page); // shows it, hides the one before
    TRect ClientRect() const override; // the whole control: no tab strip

private:
    friend class TTabSheet;
    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

// A smooth progress bar with a 32-bit range; the position stays within Min..Max.
class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetMin(int value);
    void SetMax(int value);
    void SetPosition(int value);
    bool Smooth = false;
    void PaintWindow(TCanvas& canvas) override;

private:
    int min_ = 0, max_ = 100, position_ = 0;
};
