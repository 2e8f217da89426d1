#include "engine/PNL_UpgradeFindDir.h"

#include "datafile/LIB_Data1_ReadWrite.h"
#include "engine/LIB_FindFiles.h"
#include "pages/PageControls.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "toolkit/Forms.h"

TPnlUpgradeFindDir::TPnlUpgradeFindDir(TComponent* owner) : TFramePanel(owner) {
    Name = "PnlUpgradeFindDir";
    HeaderText = "Searching Pictoro";

    Image9 = PlaceImage(this, this, "Image9", 0, 8, 160, 202, "UpgradeFindDir.jpg");
    Label12 = PlaceAutoSizeLabel(this, this, "Label12", 344, 200);
    Label12->SetCaption("0% complete");
    SetOwnFont(*Label12, 0, clWhite);
    ProgressBar1 = PlaceControl<TProgressBar>(this, this, "ProgressBar1", 39, 232, 634, 26);
    ProgressBar1->Smooth = true;
    StaticText4 = PlaceStaticText(this, this, "StaticText4", 351, 272, 313, 82, "Explanation");
}

void TPnlUpgradeFindDir::PageShown() {
    SearchDataFiles();
    if (!FoundDataFiles.empty()) {
        SetProgress(0);
        FormMain->ShowPage("PnlUpgradeStart", true);
        return;
    }
    ShowMessage("No installed Pictoro versions could be found,\r"
                "or the found Pictoro versions are newer than\r"
                "the one in this installation. An upgrade is\r"
                "not possible.");
    FormMain->ShowPage("PnlInstall", true);
}

// Header clicks and closing the window wait until the search has ended.
void TPnlUpgradeFindDir::SearchDataFiles() {
    TFormMain::TWorkBlock block(*FormMain);
    SetProgress(0);
    StaticText4->SetCaption("Now searching for installed Pictoro versions on your hard disks.\r"
                            "This can take a few moments.");
    FoundDataFiles = FindFiles("Pictoro.Dat", 1, "", [this](std::uint8_t Percent) { SetProgress(Percent); },
                               [this](const std::string& Path) { return AcceptDataFile(Path); });
}

void TPnlUpgradeFindDir::SetProgress(std::uint8_t Percent) {
    ProgressBar1->SetPosition(Percent);
    Label12->SetCaption(std::to_string(Percent) + "% complete");
    Application->ProcessMessages();
}

bool TPnlUpgradeFindDir::AcceptDataFile(const std::string& Path) {
    return DataFileAccepted(Path);
}
