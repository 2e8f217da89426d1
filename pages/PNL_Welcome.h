// The page "PnlWelcome": the product picture and what Pictoro is.
#pragma once

#include "shell/Frame_Panel.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

class TPnlWelcome : public TFramePanel {
public:
    explicit TPnlWelcome(TComponent* owner);

    TImage* Image1;
    TLabel* Label1;
    TStaticText* StaticText1;
    TStaticText* StaticText2;
    TStaticText* StaticText3;
    TStaticText* StaticText6;
    TLabel* Label2;
    TLabel* Label3;

    void SetupButtons(tKvButtonBar* Bar) override;

private:
    void ExitClick(TObject* Sender);
    void NextClick(TObject* Sender);
};
