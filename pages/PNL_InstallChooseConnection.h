// The page "PNLInstallChooseConnection": the kind of internet connection.
#pragma once

#include "shell/Frame_Panel.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

class TPNLInstallChooseConnection : public TFramePanel {
public:
    explicit TPNLInstallChooseConnection(TComponent* owner);

    TImage* Image1;
    TStaticText* StaticText1;
    TRadioGroup* rgConnection;

    void SetupButtons(tKvButtonBar* Bar) override;
    void PageShow() override;

    void BtnExitClick(TObject* Sender);
    void BtnNextClick(TObject* Sender);
    void BtnPreviousClick(TObject* Sender);
};
