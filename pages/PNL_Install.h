// The page "PnlInstall": install or upgrade, and whether a desktop shortcut is wanted.
#pragma once

#include "shell/Frame_Panel.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

class TPnlInstall : public TFramePanel {
public:
    explicit TPnlInstall(TComponent* owner);

    TPanel* Panel44;
    TImage* Image4;
    TLabel* Label2;
    TLabel* Label5;
    TLabel* Label14;
    TLabel* Label18;
    TLabel* Label4a;
    TRadioButton* RadioButton1;
    TRadioButton* RadioButton2;
    TLabel* Label1;
    TCheckBox* CheckBox1;
    TLabel* Label3;
    TStaticText* StaticText1;

    void SetupButtons(tKvButtonBar* Bar) override;

    void Label18Click(TObject* Sender);
    void RadioButton1Click(TObject* Sender);
    void RadioButton2Click(TObject* Sender);
    void BtnExitClick(TObject* Sender);
    void BtnNextClick(TObject* Sender);
    void BtnPreviousClick(TObject* Sender);

private:
    void CreatePanel44();
};
