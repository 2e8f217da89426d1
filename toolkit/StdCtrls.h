// Labels, static texts, check boxes, radio buttons, edits and drop-down lists.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Controls.h"

// A window-less text. AutoSize fits the control to its text; Transparent leaves the
// parent's background; WordWrap breaks lines at the width.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TAlignment Alignment = taLeftJustify;
    void Paint() override;
    TAccessible Accessible() const override; // static text named as shown

protected:
    void Changed(TChange what) override; // text and font changes re-fit an auto-sized label

private:
    void AdjustBounds();
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
};

// A static text with a window (STATIC): fixed size, wrapped, optional border.
// Text grows in steps with the font, not in proportion: where the wrapped text would need
// more lines than fit at the window's scale, it is shown a pixel smaller at a time until it fits.
class TStaticText : public TWinControl {
public:
    explicit TStaticText(TComponent* owner);
    bool AutoSize = false;
    TAlignment Alignment = taLeftJustify;
    void PaintWindow(TCanvas& canvas) override;
    const TFont& ShownFont() const override { return shownFont_; }

protected:
    void Changed(TChange what) override;

private:
    TFont shownFont_;
};

// Check box and radio button: the backend reports a user's click through ClickedByUser. Its
// caption gives way to fit beside the box as a static text's does.
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);
    const TFont& ShownFont() const override { return shownFont_; }
    static constexpr int CaptionLeft = 17; // the box or circle and the gap after it
    bool Checked() const { return checked_; }
    virtual void SetChecked(bool value); // fires OnClick when the state changes
    virtual void ClickedByUser() = 0;
    bool DialogChar(char key) override; // its caption's accelerator acts as a click

protected:
    void Changed(TChange what) override;
    bool checked_ = false;

private:
    TFont shownFont_;
};

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);
    void ClickedByUser() override; // toggles
};

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner);
    void SetChecked(bool value) override; // checking one clears the radio buttons beside it
    void ClickedByUser() override; // checks
    bool IsTabStopNow() const override { return TabStop && checked_; } // focus would check it
};

// A single-line edit. The backend reports typing through TextEditedByUser.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    void TextEditedByUser(const std::string& text);
    TNotifyEvent OnChange; // also when the text is set by code

protected:
    void Changed(TChange what) override;
};

enum TComboBoxStyle { csDropDown, csDropDownList };

// A drop-down list; with csDropDownList only listed items can be chosen.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    TComboBoxStyle Style = csDropDown;
    int ItemHeight = 13;
    const std::vector<std::string>& Items() const { return items_; }
    void ClearItems();
    void AddItem(const std::string& item);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index); // also sets the text; -1 selects nothing
    void SelectedByUser(int index); // fires OnChange
    TNotifyEvent OnChange;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};
