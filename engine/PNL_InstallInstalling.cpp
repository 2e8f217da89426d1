#include "engine/PNL_InstallInstalling.h"

#include <cmath>

#include "datafile/PB_Pictoro_DAT.h"
#include "datafile/Web_Endpoints.h"
#include "engine/PB_Pictoro.h"
#include "pages/PageControls.h"
#include "platform/Platform.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "toolkit/Forms.h"

namespace {

std::string ExecutablePath() {
    return InstallDir + "Pictoro.Exe";
}

} // namespace

TPNLInstallInstalling::TPNLInstallInstalling(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLInstallInstalling";
    HeaderText = "Installing Pictoro";

    Label12 = PlaceAutoSizeLabel(this, this, "Label12", 344, 200);
    Label12->SetCaption("0% complete");
    SetOwnFont(*Label12, 0, clWhite);
    ProgressBar1 = PlaceControl<TProgressBar>(this, this, "ProgressBar1", 39, 232, 634, 26);
    ProgressBar1->Smooth = true;
}

void TPNLInstallInstalling::PageShow() {
    SetProgress(0);
}

void TPNLInstallInstalling::PageShown() {
    InstallFiles();
    FormMain->ShowPage("PNLInstallReady", true);
}

// Header clicks and closing the window wait until the files are in place. A failure
// empties the bar again before it goes on to the error box.
void TPNLInstallInstalling::InstallFiles() {
    TFormMain::TWorkBlock block(*FormMain);
    try {
        ProgressBar1->SetMax(PayloadSize);
        ProgressBar1->SetMax(ProgressBar1->Max() + ProgressBar1->Max() / 30);
        WriteApplication(InstallDir, [this](std::int64_t position) { SetProgress(std::uint32_t(position)); });
        CreateStartMenuLinks();
        SetProgress(PercentOfMaximum(96));
        if (DesktopShortcut) CreateDesktopLink();
        SetProgress(PercentOfMaximum(98));
        WriteDataFile(InstallDir + "Pictoro.Dat");
    } catch (...) {
        SetProgress(0);
        throw;
    }
}

void TPNLInstallInstalling::SetProgress(std::uint32_t Value) {
    ProgressBar1->SetPosition(static_cast<int>(Value));
    const double percent = std::nearbyint(double(Value) / ProgressBar1->Max() * 100);
    Label12->SetCaption(std::to_string(static_cast<long long>(percent)) + "% complete");
    Application->ProcessMessages();
}

void TPNLInstallInstalling::WriteDataFile(const std::string& FileName) {
    const TWizardChoices choices{InstallDir, DownloadDir, ConnectionKind};
    WriteInitialDataFile(FileName, choices, PercentOfMaximum(99),
                         [this](unsigned position) { SetProgress(position); });
}

std::uint32_t TPNLInstallInstalling::PercentOfMaximum(int percent) const {
    return PercentOf(static_cast<std::uint32_t>(ProgressBar1->Max()), percent);
}

std::uint32_t PercentOf(std::uint32_t maximum, int percent) {
    return static_cast<std::uint32_t>(std::nearbyint(maximum / 100.0 * percent));
}

void TPNLInstallInstalling::CreateStartMenuLinks() {
    std::string programs;
    if (platform::SHGetFolderPathA(FormMain->WindowHandle(), platform::CsidlPrograms, 0, programs) != platform::HrOK)
        return;
    const std::string folder = programs + "\\Pictoro";
    platform::CreateDir(folder);
    CreateLink(ExecutablePath(), folder + "\\Pictoro.Lnk", "Pictoro", "", 0);
    CreateLink(ExecutablePath(), folder + "\\Uninstal.Lnk", "Uninstall Pictoro", "/Uninstall", 1);
    CreateLink(std::string(MakerSiteAddress) + "/pictoro", folder + "\\website.Lnk", "Pictoro Website", "", -1);
}

void TPNLInstallInstalling::CreateDesktopLink() {
    std::string desktop;
    if (platform::SHGetFolderPathA(FormMain->WindowHandle(), platform::CsidlDesktopDirectory, 0, desktop) !=
        platform::HrOK)
        return;
    CreateLink(ExecutablePath(), desktop + "\\Pictoro.Lnk", "Pictoro", "", 0);
}

void CreateLink(const std::string& Target, const std::string& LinkFile, const std::string& Description,
                const std::string& Arguments, std::int32_t IconIndex) {
    platform::ShellLink link;
    link.SetArguments(Arguments);
    link.SetDescription(Description);
    link.SetPath(Target);
    if (IconIndex >= 0) link.SetIconLocation(Target, IconIndex);
    link.Save(platform::AnsiToWide(LinkFile), false);
}
