#include "pages/PNL_InstallChooseDownloadDir.h"

#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

namespace {

const char* const Explanation =
    "The download  directory is the directory\r"
    "on your harddisk where Pictoro puts the\r"
    "images you download.\r"
    "\r"
    "If you already have a directory with images\r"
    "you might choose that one, otherwise\r"
    "perhaps another place you find easy or just\r"
    "press \"next\" button to use the directory we\r"
    "propose as default, C:\\Images";

} // namespace

TPNLInstallChooseDownloadDir::TPNLInstallChooseDownloadDir(TComponent* owner)
    : TFramePanel(owner), TDirectoryChoice(DownloadFolderWord, "Download directory") {
    Name = PageName::PNLInstallChooseDownloadDir;
    HeaderText = "Choose download directory";
    CreateControls(this);
}

void TPNLInstallChooseDownloadDir::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Next", 2, 1, [this](TObject* Sender) { BtnNextClick(Sender); });
    Bar->AddRightButton("&Previous", 3, 1, [this](TObject* Sender) { BtnPreviousClick(Sender); });
}

// Positions the list from the stored directory without its last 7 characters (the length
// of "Images\") on every visit; a stored directory too short to leave anything keeps the
// list where it stands.
void TPNLInstallChooseDownloadDir::PageShow() {
    StaticText1->SetCaption(Explanation);
    const std::size_t wordLength = DownloadFolderWord.size() + 1;
    if (DownloadDir.empty())
        DirectoryListBox1->SetDirectory(DownloadListStart);
    else if (DownloadDir.size() > wordLength)
        DirectoryListBox1->SetDirectory(DownloadDir.substr(0, DownloadDir.size() - wordLength));
    DirectoryListBox1Change(DirectoryListBox1);
}

void TPNLInstallChooseDownloadDir::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPNLInstallChooseDownloadDir::BtnNextClick(TObject*) {
    DownloadDir = CheckedEditText();
    FormMain->ShowPage(PageName::PNLInstallChooseConnection, true);
}

void TPNLInstallChooseDownloadDir::BtnPreviousClick(TObject*) {
    FormMain->ShowPage(PageName::PnlInstallChooseDir, true);
}
