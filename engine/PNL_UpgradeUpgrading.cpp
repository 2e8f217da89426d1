#include "engine/PNL_UpgradeUpgrading.h"

#include "engine/UpgradeRun.h"
#include "pages/StartApplication.h"
#include "platform/Platform.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/PageNames.h"
#include "shell/Program.h"

TPNLUpgradeUpgrading::TPNLUpgradeUpgrading(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PNLUpgradeUpgrading;
    HeaderText = "Upgrading Pictoro";
    CreateProgressControls(this);
}

void TPNLUpgradeUpgrading::PageShow() {
    SetProgress(0);
}

void TPNLUpgradeUpgrading::PageShown() {
    WriteExecutable();
    if (AutoUpdate) {
        StartApplication(InstallDir);
        platform::Halt(0);
    }
    FormMain->ShowPage(PageName::PNLUpgradeReady, true);
}

// Header clicks and closing the window wait until the executable is written.
void TPNLUpgradeUpgrading::WriteExecutable() {
    TFormMain::TWorkBlock block(*FormMain);
    EmptyBarOnFailure([&] {
        ProgressBar1->SetMax(UpgradeRunMaximum);
        try {
            RunUpgrade(InstallDir, [this](std::uint32_t position) { SetProgress(position); });
        } catch (const EPayloadDamaged&) {
            RefuseDamagedInstaller();
        }
    });
}
