// Panels, images, timers and radio groups.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/StdCtrls.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// A panel with an outer and an inner bevel and a caption centred on it.
class TCustomPanel : public TWinControl {
public:
    explicit TCustomPanel(TComponent* owner);
    TPanelBevel BevelInner = bvNone;
    TPanelBevel BevelOuter = bvRaised;
    int BevelWidth = 1;
    TBorderStyle BorderStyle = bsNone;
    TAlignment Alignment = taCenter;
    void PaintWindow(TCanvas& canvas) override;
    TRect ClientRect() const override;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};

// Shows a picture: at its natural size from the top-left corner, stretched to the control,
// or, with AutoSize, the control takes the picture's size.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    TBitmap& Picture();
    // The picture in JPEG form, decoded when first needed (painted, sized or asked for), so
    // that the pictures of pages not yet shown cost nothing. The data must outlive the image.
    void SetJpeg(const unsigned char* data, std::size_t size);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Center = false;
    void Paint() override;

private:
    void PictureChanged();
    void DecodeJpeg();
    TBitmap picture_;
    const unsigned char* jpegData_ = nullptr; // not yet decoded
    std::size_t jpegSize_ = 0;
    bool stretch_ = false;
    bool autoSize_ = false;
};

// A timer on the GUI thread: OnTimer fires every Interval ms while Enabled.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned value);
    TNotifyEvent OnTimer;
    void Fire(); // for the backend: runs OnTimer under the guard

private:
    bool enabled_ = true;
    unsigned interval_ = 1000;
};

// A framed group of radio buttons, one per item; ItemIndex is the checked one (-1: none).
class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner);
    const std::vector<std::string>& Items() const { return items_; }
    void ClearItems();
    void AddItem(const std::string& item);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns = 1;
    const std::vector<TRadioButton*>& Buttons() const { return buttons_; }
    void PaintWindow(TCanvas& canvas) override; // the frame and its caption
    TNotifyEvent OnClick;

protected:
    void Changed(TChange what) override; // size and font changes re-arrange the buttons

private:
    void ArrangeButtons();
    void ButtonClicked(TRadioButton* button);
    std::vector<std::string> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
};
