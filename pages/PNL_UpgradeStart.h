// The page "PNLUpgradeStart": the user picks one of the installations found and starts the
// upgrade of it.
#pragma once

#include "shell/Frame_Panel.h"
#include "toolkit/StdCtrls.h"

class TPNLUpgradeStart : public TFramePanel {
public:
    explicit TPNLUpgradeStart(TComponent* owner);

    TLabel* Label13;
    TComboBox* ComboBoxUpgrade;

    void SetupButtons(tKvButtonBar* Bar) override;
    void PageShow() override;

    void BtnExitClick(TObject* Sender);
    void BtnUpgradeClick(TObject* Sender);
    void BtnPreviousClick(TObject* Sender);
};
