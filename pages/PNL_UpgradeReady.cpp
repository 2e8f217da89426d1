#include "pages/PNL_UpgradeReady.h"

#include "pages/PageControls.h"
#include "pages/StartApplication.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

TPNLUpgradeReady::TPNLUpgradeReady(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PNLUpgradeReady;
    HeaderText = "Upgrade of Pictoro ready";

    Label9 = PlaceLabel(this, this, "Label9", 8, 24, 288, 13, "The upgrade of Pictoro is completed succesfully.");
    SetOwnFont(*Label9, fsBold);
    Image8 = PlaceImage(this, this, "Image8", 16, 56, 383, 302, "UpgradeReady.jpg");
    Image8->SetAutoSize(true);
    Panel45 = PlaceControl<TPanel>(this, this, "Panel45", -1, 56, 466, 257);
    Panel45->BevelOuter = bvNone;
    Panel45->SetColor(clSkyBlue);
    Label11 = PlaceLabel(this, Panel45, "Label11", 216, 225, 145, 24, "Enjoy Pictoro!");
    SetOwnFont(*Label11, fsItalic, clWhite, -19);
}

void TPNLUpgradeReady::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Start Pictoro", 2, 2, [this](TObject* Sender) { BtnStartClick(Sender); });
}

void TPNLUpgradeReady::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPNLUpgradeReady::BtnStartClick(TObject*) {
    StartApplication(InstallDir);
    FormMain->Close();
}
