#include "engine/PNL_UpgradeUpgrading.h"

#include <cmath>

#include "engine/PB_Pictoro.h"
#include "pages/PageControls.h"
#include "pages/StartApplication.h"
#include "platform/Platform.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "toolkit/Forms.h"

TPNLUpgradeUpgrading::TPNLUpgradeUpgrading(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLUpgradeUpgrading";
    HeaderText = "Upgrading Pictoro";

    Label12 = PlaceAutoSizeLabel(this, this, "Label12", 344, 200);
    Label12->SetCaption("0% complete");
    SetOwnFont(*Label12, 0, clWhite);
    ProgressBar1 = PlaceControl<TProgressBar>(this, this, "ProgressBar1", 39, 232, 634, 26);
    ProgressBar1->Smooth = true;
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
    FormMain->ShowPage("PNLUpgradeReady", true);
}

// Header clicks and closing the window wait until the executable is written. A failure
// empties the bar again before it goes on to the error box.
void TPNLUpgradeUpgrading::WriteExecutable() {
    TFormMain::TWorkBlock block(*FormMain);
    try {
        ProgressBar1->SetMax(PayloadSize);
        WriteApplication(InstallDir, [this](std::int64_t position) { SetProgress(std::uint32_t(position)); });
        SetProgress(static_cast<std::uint32_t>(ProgressBar1->Max()));
    } catch (...) {
        SetProgress(0);
        throw;
    }
}

void TPNLUpgradeUpgrading::SetProgress(std::uint32_t Value) {
    ProgressBar1->SetPosition(static_cast<int>(Value));
    const double percent = std::nearbyint(double(Value) / ProgressBar1->Max() * 100);
    Label12->SetCaption(std::to_string(static_cast<long long>(percent)) + "% complete");
    Application->ProcessMessages();
}
