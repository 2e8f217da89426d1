// The page "PNLInstallReady": the installation is complete; start Pictoro or leave.
#pragma once

#include "shell/Frame_Panel.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

class TPNLInstallReady : public TFramePanel {
public:
    explicit TPNLInstallReady(TComponent* owner);

    TLabel* Label9;
    TLabel* Label11;
    TImage* Image1;

    void SetupButtons(tKvButtonBar* Bar) override;

    void BtnExitClick(TObject* Sender);
    void BtnStartClick(TObject* Sender);
};
