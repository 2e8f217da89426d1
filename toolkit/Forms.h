// Forms, frames and the application object.
#pragma once

#include <functional>
#include <string>

#include "platform/Exceptions.h"
#include "toolkit/Controls.h"
#include "toolkit/ExtCtrls.h"

using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8;
enum TPosition { poDesigned, poScreenCenter };
enum TScrollBarVisibility { sbHidden, sbVisible };

// A top-level window. BorderStyle bsDialog with no border icons is a fixed-size dialog
// frame without system menu or boxes; poScreenCenter centres it when it is first shown.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TBorderStyle BorderStyle = bsSizeable;
    TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition Position = poDesigned;
    int PixelsPerInch = 96; // of the design
    // The DPI the form's window shows at: the display's when the form is made, its window's
    // once it has one. A change lays out and shows everything on the form at the new scale.
    int Dpi() const { return dpi_; }
    void ChangeDpi(int dpi);
    void SetClientSize(int width, int height); // the client area; the frame is added around it
    TRect ClientRect() const override;
    int ClientWidthValue() const { return clientWidth_; }
    int ClientHeightValue() const { return clientHeight_; }

    TNotifyEvent OnCreate;
    std::function<void(TObject* Sender, bool& CanClose)> OnCloseQuery;
    void AfterConstruction(); // runs OnCreate; called by TApplication::CreateForm

    void ShowForm(); // makes it visible (centring it first if asked)
    void Close(); // asks OnCloseQuery; closing the main form ends the program
    bool IsClosed() const { return closed_; }

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    void PaintWindow(TCanvas& canvas) override;

    // Above 0 while the form holds its actions (TActionHold): a reader's default action is
    // refused then.
    int ActionHolds = 0;

private:
    int clientWidth_ = 0, clientHeight_ = 0;
    int dpi_;
    bool closed_ = false;
    TWinControl* activeControl_ = nullptr;
};

// Holds the form's actions for its lifetime: while a page slides, while a run works.
class TActionHold {
public:
    explicit TActionHold(TForm& form) : form_(form) { ++form_.ActionHolds; }
    ~TActionHold() { --form_.ActionHolds; }
    TActionHold(const TActionHold&) = delete;
    TActionHold& operator=(const TActionHold&) = delete;

private:
    TForm& form_;
};

// A container that holds a page's controls inside another window.
class TFrame : public TWinControl {
public:
    explicit TFrame(TComponent* owner);
    TScrollBarVisibility HorzScrollBar = sbHidden;
    TScrollBarVisibility VertScrollBar = sbHidden;
    void PaintWindow(TCanvas& canvas) override;
};

// Message box flags and results (the values of MessageBoxA's).
constexpr unsigned mbOK = 0x0000;
constexpr unsigned mbIconStop = 0x0010;
constexpr unsigned mbIconQuestion = 0x0020;
constexpr unsigned mbIconWarning = 0x0030;
constexpr unsigned mbIconInformation = 0x0040;
constexpr int idOK = 1;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override; // uninitialises COM if Initialize initialised it (or at program end)

    void Initialize(); // initialises COM for the GUI thread
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    std::string HelpFile;

    // Creates a form, assigns the reference, then runs its OnCreate. The first one becomes
    // the main form.
    template <class T>
    void CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        if (!MainForm) MainForm = form;
        Guard([form] { form->AfterConstruction(); });
    }

    void Run(); // shows the main form; the message loop until terminated
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Runs an event handler: an Exception goes to HandleException.
    void Guard(const std::function<void()>& handler);
    void HandleException(const Exception& error); // the default handler: ShowException
    void ShowException(const Exception& error); // box with the title as caption, stop icon, OK
    int MessageBoxShow(const std::string& text, const std::string& caption, unsigned flags);

    TForm* MainForm = nullptr;

private:
    std::string title_;
    bool terminated_ = false;
};

extern TApplication* Application;

// The default handler's text: a full stop appended when the last character sorts after '.'.
std::string WithFullStop(const std::string& message);

// The framework's simple message box: the text and OK, captioned with the application title.
void ShowMessage(const std::string& text);
// True while a message box of the program is open.
bool BoxShowing();
