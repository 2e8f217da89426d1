// The page "PNLUpgradeReady": the upgrade is complete; start Pictoro or leave.
#pragma once

#include "shell/Frame_Panel.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

class TPNLUpgradeReady : public TFramePanel {
public:
    explicit TPNLUpgradeReady(TComponent* owner);

    TLabel* Label9;
    TImage* Image8;
    TPanel* Panel45;
    TLabel* Label11;

    void SetupButtons(tKvButtonBar* Bar) override;

    void BtnExitClick(TObject* Sender);
    void BtnStartClick(TObject* Sender);
};
