// Peers that are Windows' own controls: static text, check box, radio button, edit,
// progress bar, drop-down lists and the directory list.
#pragma once

#include <string>
#include <vector>

#include "toolkit/ComCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/WindowPeer.h"

namespace win32 {

// A control of a system class, subclassed to learn about focus and keys.
class NativePeer : public WindowPeer {
public:
    using WindowPeer::WindowPeer;
    ~NativePeer() override;

protected:
    void CreateNative(const char* className, DWORD style, DWORD exStyle);
    virtual bool KeyDown(WPARAM key) {
        (void)key;
        return false;
    } // true: taken

private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR data);
};

class StaticTextPeer : public NativePeer {
public:
    explicit StaticTextPeer(TStaticText& text) : NativePeer(text), text_(text) {}
    void Create();

private:
    TStaticText& text_;
};

// Check box or radio button; the model decides the state, a click only reports.
class CheckPeer : public NativePeer {
public:
    explicit CheckPeer(TButtonControl& button) : NativePeer(button), button_(button) {}
    void Create(bool radio);
    void Changed(TChange what) override;
    void Command(WORD notification) override;
    HBRUSH ControlColor(HDC dc) override;

private:
    TButtonControl& button_;
};

class EditPeer : public NativePeer {
public:
    explicit EditPeer(TEdit& edit) : NativePeer(edit), edit_(edit) {}
    void Create();
    void Changed(TChange what) override;
    void Command(WORD notification) override;

private:
    std::string WindowText() const;
    TEdit& edit_;
};

class ProgressPeer : public NativePeer {
public:
    explicit ProgressPeer(TProgressBar& bar) : NativePeer(bar), bar_(bar) {}
    void Create();
    void Changed(TChange what) override;

private:
    void ApplyRangeAndPosition();
    TProgressBar& bar_;
};

// A COMBOBOX drop-down list; the derived peers say where items and selection live.
class ComboPeer : public NativePeer {
public:
    using NativePeer::NativePeer;
    void Create(bool listOnly);
    void Changed(TChange what) override;
    void Command(WORD notification) override;

protected:
    virtual const std::vector<std::string>& Items() const = 0;
    virtual int ItemIndex() const = 0;
    virtual void SelectedByUser(int index) = 0;
    void ApplyBounds() override;

private:
    void Fill();
    void FitSelectionField(); // the closed box as high as the model asks
    int ClosedHeight() const;
};

class ComboBoxPeer : public ComboPeer {
public:
    explicit ComboBoxPeer(TComboBox& combo) : ComboPeer(combo), combo_(combo) {}

protected:
    const std::vector<std::string>& Items() const override { return combo_.Items(); }
    int ItemIndex() const override { return combo_.ItemIndex(); }
    void SelectedByUser(int index) override { combo_.SelectedByUser(index); }

private:
    TComboBox& combo_;
};

class DriveComboPeer : public ComboPeer {
public:
    explicit DriveComboPeer(TDriveComboBox& combo) : ComboPeer(combo), combo_(combo) {}

protected:
    const std::vector<std::string>& Items() const override { return combo_.Items(); }
    int ItemIndex() const override { return combo_.ItemIndex(); }
    void SelectedByUser(int index) override { combo_.DriveSelectedByUser(index); }

private:
    TDriveComboBox& combo_;
};

// An owner-drawn LISTBOX: folders indented by level, open ones down to the current directory.
class DirectoryListPeer : public NativePeer {
public:
    explicit DirectoryListPeer(TDirectoryListBox& list) : NativePeer(list), list_(list) {}
    void Create();
    void Changed(TChange what) override;
    void Command(WORD notification) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    bool KeyDown(WPARAM key) override;

private:
    void Fill();
    void ApplyItemHeight();
    int Selection() const;
    bool IsOpenFolder(int index) const;
    TDirectoryListBox& list_;
};

} // namespace win32
