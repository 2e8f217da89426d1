#include "engine/PNL_UpgradeFindDir.h"

#include "engine/DataFileSearch.h"
#include "pages/PageControls.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/PageNames.h"
#include "toolkit/Forms.h"

TPnlUpgradeFindDir::TPnlUpgradeFindDir(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PnlUpgradeFindDir;
    HeaderText = "Searching Pictoro";

    Image9 = PlaceImage(this, this, "Image9", 0, 8, 160, 202, "UpgradeFindDir.jpg");
    CreateProgressControls(this);
    StaticText4 = PlaceStaticText(this, this, "StaticText4", 351, 272, 313, 82, "Explanation");
}

void TPnlUpgradeFindDir::PageShown() {
    SearchDataFiles();
    if (!FoundDataFiles.empty()) {
        SetProgress(0);
        FormMain->ShowPage(PageName::PNLUpgradeStart, true);
        return;
    }
    ShowMessage(
        "No installed Pictoro versions could be found,\r"
        "or the found Pictoro versions are newer than\r"
        "the one in this installation. An upgrade is\r"
        "not possible.");
    FormMain->ShowPage(PageName::PnlInstall, true);
}

// Header clicks and closing the window wait until the search has ended. The bar keeps its
// range of 0 to 100, so a position is a percentage.
void TPnlUpgradeFindDir::SearchDataFiles() {
    TFormMain::TWorkBlock block(*FormMain);
    SetProgress(0);
    StaticText4->SetCaption(
        "Now searching for installed Pictoro versions on your hard disks.\r"
        "This can take a few moments.");
    FoundDataFiles = FindUpgradableDataFiles([this](std::uint8_t Percent) { SetProgress(Percent); });
}
