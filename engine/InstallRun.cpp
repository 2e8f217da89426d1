#include "engine/InstallRun.h"

#include <cmath>

#include "datafile/Web_Endpoints.h"
#include "platform/Platform.h"

namespace {

// One shell-link file; an IconIndex below 0 sets no icon.
void CreateLink(const std::string& Target, const std::string& LinkFile, const std::string& Description,
                const std::string& Arguments, std::int32_t IconIndex, const TInstallStepEvent& OnStep) {
    platform::ShellLink link;
    link.SetArguments(Arguments);
    link.SetDescription(Description);
    link.SetPath(Target);
    if (IconIndex >= 0) link.SetIconLocation(Target, IconIndex);
    link.Save(platform::AnsiToWide(LinkFile), false);
    OnStep(TInstallStep::LinkSaved, LinkFile);
}

std::string ExecutablePath(const TInstallSettings& settings) {
    return settings.Choices.InstallDir + "Pictoro.Exe";
}

void CreateStartMenuLinks(const TInstallSettings& settings, const TInstallStepEvent& OnStep) {
    std::string programs;
    if (platform::SHGetFolderPathA(settings.ShellOwner, platform::CsidlPrograms, 0, programs) != platform::HrOK) return;
    const std::string folder = programs + "\\Pictoro";
    const std::string exe = ExecutablePath(settings);
    platform::CreateDir(folder);
    CreateLink(exe, folder + "\\Pictoro.Lnk", "Pictoro", "", 0, OnStep);
    CreateLink(exe, folder + "\\Uninstal.Lnk", "Uninstall Pictoro", "/Uninstall", 1, OnStep);
    CreateLink(std::string(MakerSiteAddress) + "/pictoro", folder + "\\website.Lnk", "Pictoro Website", "", -1, OnStep);
}

void CreateDesktopLink(const TInstallSettings& settings, const TInstallStepEvent& OnStep) {
    std::string desktop;
    if (platform::SHGetFolderPathA(settings.ShellOwner, platform::CsidlDesktopDirectory, 0, desktop) != platform::HrOK)
        return;
    CreateLink(ExecutablePath(settings), desktop + "\\Pictoro.Lnk", "Pictoro", "", 0, OnStep);
}

// The installation directory, created here rather than by WriteApplication so that its
// creation can be told apart from an existing one.
void CreateInstallDir(const std::string& dir, const TInstallStepEvent& OnStep) {
    if (platform::DirectoryExists(dir)) return;
    ForceDir(dir);
    if (platform::DirectoryExists(dir)) OnStep(TInstallStep::DirectoryCreated, dir);
}

} // namespace

std::uint32_t PercentOf(std::uint32_t maximum, int percent) {
    return static_cast<std::uint32_t>(std::nearbyint(maximum / 100.0 * percent));
}

void RunInstallation(const TInstallSettings& settings, const TRunProgressEvent& OnProgress,
                     const TInstallStepEvent& OnStep) {
    const TInstallStepEvent step = OnStep ? OnStep : [](TInstallStep, const std::string&) {};
    const std::string& dir = settings.Choices.InstallDir;
    PayloadLoad(); // a damaged installer stops here, before anything is written
    CreateInstallDir(dir, step);
    WriteApplication(dir, [&](std::int64_t position) { OnProgress(std::uint32_t(position)); });
    step(TInstallStep::ApplicationWritten, ExecutablePath(settings));
    CreateStartMenuLinks(settings, step);
    OnProgress(PercentOf(InstallRunMaximum, 96));
    if (settings.DesktopShortcut) CreateDesktopLink(settings, step);
    OnProgress(PercentOf(InstallRunMaximum, 98));
    WriteInitialDataFile(dir + "Pictoro.Dat", settings.Choices, PercentOf(InstallRunMaximum, 99),
                         [&](unsigned position) { OnProgress(position); });
    step(TInstallStep::DataFileWritten, dir + "Pictoro.Dat");
}
