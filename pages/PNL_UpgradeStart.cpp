#include "pages/PNL_UpgradeStart.h"

#include <string>

#include "pages/PageControls.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

namespace {

// The directory part of a path: up to and including its last backslash.
std::string DirectoryOfPath(const std::string& path) {
    return path.substr(0, path.rfind('\\') + 1);
}

} // namespace

TPNLUpgradeStart::TPNLUpgradeStart(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PNLUpgradeStart;
    HeaderText = "Ready to upgrade";

    Label13 = PlaceLabel(this, this, "Label13", 16, 16, 142, 13, "Upgrade Pictoro installed in:");
    ComboBoxUpgrade = PlaceControl<TComboBox>(this, this, "ComboBoxUpgrade", 16, 32, 457, 21);
    ComboBoxUpgrade->Style = csDropDownList;
    ComboBoxUpgrade->ItemHeight = 13;
    ComboBoxUpgrade->AccessibleName = LabelName(Label13->Caption());
}

void TPNLUpgradeStart::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Upgrade", 2, 1, [this](TObject* Sender) { BtnUpgradeClick(Sender); });
    Bar->AddRightButton("&Previous", 3, 1, [this](TObject* Sender) { BtnPreviousClick(Sender); });
}

void TPNLUpgradeStart::PageShow() {
    ComboBoxUpgrade->ClearItems();
    for (const std::string& dataFile : FoundDataFiles) ComboBoxUpgrade->AddItem(DirectoryOfPath(dataFile));
    ComboBoxUpgrade->SetItemIndex(0);
    ComboBoxUpgrade->SetFocus();
}

void TPNLUpgradeStart::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPNLUpgradeStart::BtnUpgradeClick(TObject*) {
    InstallDir = ComboBoxUpgrade->Text();
    FormMain->ShowPage(PageName::PNLUpgradeUpgrading, true);
}

void TPNLUpgradeStart::BtnPreviousClick(TObject*) {
    FormMain->ShowPage(PageName::PnlInstall, true);
}
