#include "pages/PNL_InstallReady.h"

#include "pages/PageControls.h"
#include "pages/StartApplication.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

TPNLInstallReady::TPNLInstallReady(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PNLInstallReady;
    HeaderText = "Installation of Pictoro ready";

    Label9 = PlaceLabel(this, this, "Label9", 8, 24, 303, 13, "The installation of Pictoro is completed succesfully.");
    SetOwnFont(*Label9, fsBold);
    Label11 = PlaceLabel(this, this, "Label11", 8, 57, 187, 24, "Enjoy your Pictoro!");
    SetOwnFont(*Label11, fsItalic, clWhite, -19);
    Image1 = PlaceImage(this, this, "Image1", 328, -32, 385, 417, "Welcome.jpg");
}

void TPNLInstallReady::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Start Pictoro", 2, 2, [this](TObject* Sender) { BtnStartClick(Sender); });
}

void TPNLInstallReady::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPNLInstallReady::BtnStartClick(TObject*) {
    StartApplication(InstallDir);
    FormMain->Close();
}
