// The page "PnlDisclaimer": the maker's statement, which the user has to agree to.
#pragma once

#include <string>

#include "shell/Frame_Panel.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

// The statement: 16 lines in four paragraphs, separated by single carriage returns.
std::string DisclaimerStatement();

class TPnlDisclaimer : public TFramePanel {
public:
    explicit TPnlDisclaimer(TComponent* owner);

    TStaticText* txtDisclaimer;
    TImage* Image3;
    TCheckBox* CheckBox1;

    void SetupButtons(tKvButtonBar* Bar) override;
    void PageShow() override;

    void BtnExitClick(TObject* Sender);
    void BtnNextClick(TObject* Sender);
    void BtnPreviousClick(TObject* Sender);
};
