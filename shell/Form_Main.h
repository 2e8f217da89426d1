// The wizard window: the header, the page area with one hidden-tab sheet per page, the
// button bar, and the page switch with its slide.
#pragma once

#include <string>

#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"

class TFramePanel;
class tKvButtonBar;

class TFormMain : public TForm {
public:
    explicit TFormMain(TComponent* owner);

    TImage* ImgIcon;
    TPanel* PnlHeader;
    TPageControl* PageControl;
    tKvButtonBar* PnlButtons;
    TTimer* Timer1;

    void FormCreate(TObject* Sender);
    void AddPage(TFramePanel* Page);
    void ShowPage(const std::string& Name, bool Animate);
    void PnlHeaderClick(TObject* Sender);
    void Timer1Timer(TObject* Sender);

    // While a page works by itself, header clicks, requests to close the window and a
    // reader's default actions are ignored. A page holds one of these for the length of its work; the block ends with it,
    // however the work ends.
    class TWorkBlock {
    public:
        explicit TWorkBlock(TFormMain& form);
        ~TWorkBlock();
        TWorkBlock(const TWorkBlock&) = delete;
        TWorkBlock& operator=(const TWorkBlock&) = delete;

    private:
        TFormMain& form_;
        TActionHold hold_;
    };
    bool Working() const { return workDepth_ > 0; }

private:
    TTabSheet* FindPageSheet(const std::string& Name) const; // the last sheet whose name matches, case ignored
    void FocusPage(TFramePanel& Page);
    void SlideOut();
    void SlideIn();
    void SlideStep(int headerAndBarDx, int pagesDx);
    void MoveSlidingParts(int headerAndBarDx, int pagesDx);
    int workDepth_ = 0;
};

extern TFormMain* FormMain;
