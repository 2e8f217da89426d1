#include "pages/PNL_InstallChooseDir.h"

#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

namespace {

const char* const Explanation =
    "The installation directory is the directory\r"
    "on your harddisk where Pictoro program files\r"
    "and the Pictoro data file will be placed.\r"
    "\r"
    "In most common cases the directory proposed\r"
    "is the best place and you can just press\r"
    "the \"next\" button, otherwise choose a directory.";

} // namespace

TPnlInstallChooseDir::TPnlInstallChooseDir(TComponent* owner)
    : TFramePanel(owner), TDirectoryChoice(InstallFolderWord, "Installation directory") {
    Name = PageName::PnlInstallChooseDir;
    HeaderText = "Choose installation directory";
    CreateControls(this);
}

void TPnlInstallChooseDir::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Next", 2, 1, [this](TObject* Sender) { BtnNextClick(Sender); });
    Bar->AddRightButton("&Previous", 3, 1, [this](TObject* Sender) { BtnPreviousClick(Sender); });
}

// Proposes a directory on the first visit only; later visits keep the list and the edit
// field as the user left them.
void TPnlInstallChooseDir::PageShow() {
    StaticText1->SetCaption(Explanation);
    if (!InstallDir.empty()) return;
    DirectoryListBox1->SetDirectory(InstallListStart(FormMain->WindowHandle()));
    // Also when the list stood at that directory already and reported no change.
    DirectoryListBox1Change(DirectoryListBox1);
}

void TPnlInstallChooseDir::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPnlInstallChooseDir::BtnNextClick(TObject*) {
    InstallDir = WithTrailingBackslash(CheckedEditText()); // stays stored when refused
    RefuseExistingInstallation(InstallDir);
    FormMain->ShowPage(PageName::PNLInstallChooseDownloadDir, true);
}

void TPnlInstallChooseDir::BtnPreviousClick(TObject*) {
    FormMain->ShowPage(PageName::PnlInstall, true);
}
