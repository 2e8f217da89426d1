#include "pages/PNL_InstallGo.h"

#include "pages/PageControls.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

TPNLInstallGo::TPNLInstallGo(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PNLInstallGo;
    HeaderText = "Ready to install";

    Image7 = PlaceImage(this, this, "Image7", 8, 8, 193, 164, "InstallGo.jpg");
    Image7->SetStretch(true);
    Label1 = PlaceLabel(this, this, "Label1", 208, 16, 129, 13, "All questions are answered.");
    Label2 = PlaceLabel(this, this, "Label2", 208, 32, 279, 13,
                        "Click the button \"Install Now\" and the installation will begin.");
    Label6 = PlaceAutoSizeLabel(this, this, "Label6", 228, 55);
    Label7 = PlaceAutoSizeLabel(this, this, "Label7", 228, 79);
    Label8 = PlaceAutoSizeLabel(this, this, "Label8", 228, 103);
}

void TPNLInstallGo::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Install Now", 2, 2, [this](TObject* Sender) { BtnInstallNowClick(Sender); });
    Bar->AddRightButton("&Previous", 3, 1, [this](TObject* Sender) { BtnPreviousClick(Sender); });
}

void TPNLInstallGo::PageShow() {
    Label6->SetCaption("Installation directory = " + InstallDir);
    Label7->SetCaption("Download directory = " + DownloadDir);
    Label8->SetCaption(DesktopShortcut ? "Create shortcut on desktop = Yes" : "Create shortcut on desktop = No");
}

void TPNLInstallGo::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPNLInstallGo::BtnInstallNowClick(TObject*) {
    FormMain->ShowPage(PageName::PNLInstallInstalling, true);
}

void TPNLInstallGo::BtnPreviousClick(TObject*) {
    FormMain->ShowPage(PageName::PNLInstallChooseConnection, true);
}
