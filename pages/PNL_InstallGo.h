// The page "PNLInstallGo": the answers so far, and the button that starts the installation.
#pragma once

#include "shell/Frame_Panel.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

class TPNLInstallGo : public TFramePanel {
public:
    explicit TPNLInstallGo(TComponent* owner);

    TImage* Image7;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label8;

    void SetupButtons(tKvButtonBar* Bar) override;
    void PageShow() override;

    void BtnExitClick(TObject* Sender);
    void BtnInstallNowClick(TObject* Sender);
    void BtnPreviousClick(TObject* Sender);
};
