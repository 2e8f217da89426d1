#include "engine/PNL_InstallInstalling.h"

#include "engine/InstallRun.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/PageNames.h"
#include "shell/Program.h"

TPNLInstallInstalling::TPNLInstallInstalling(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PNLInstallInstalling;
    HeaderText = "Installing Pictoro";
    CreateProgressControls(this);
}

void TPNLInstallInstalling::PageShow() {
    SetProgress(0);
}

void TPNLInstallInstalling::PageShown() {
    InstallFiles();
    FormMain->ShowPage(PageName::PNLInstallReady, true);
}

// Header clicks and closing the window wait until the files are in place.
void TPNLInstallInstalling::InstallFiles() {
    TFormMain::TWorkBlock block(*FormMain);
    const TInstallSettings settings{
        {InstallDir, DownloadDir, ConnectionKind}, DesktopShortcut, FormMain->WindowHandle()};
    EmptyBarOnFailure([&] {
        ProgressBar1->SetMax(InstallRunMaximum);
        try {
            RunInstallation(settings, [this](std::uint32_t position) { SetProgress(position); });
        } catch (const EPayloadDamaged&) {
            RefuseDamagedInstaller();
        }
    });
}
