#include "engine/InstallerCheck.h"
#include "engine/PayloadCheck.h"
#include "platform/Platform.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"
#include "shell/SilentInstall.h"
#include "toolkit/Forms.h"

int main() {
    platform::LoadSystemLibraries(); // before anything can look for one beside the installer
    const std::string commandLine = platform::GetCommandLineText();
    // Before any window: a bad download or disk must not get to show damaged texts or write a
    // damaged application or data file.
    const bool intact = InstallerIntact() && PayloadImageIntact();
    if (IsSilentLine(commandLine)) // no window, no box
        return intact ? RunSilentInstallation(commandLine)
                      : EndSilentRun(commandLine, InstallerDamagedText, SilentRefused);
    TApplication application; // its end uninitialises COM
    Application = &application;
    if (!intact) {
        ShowInstallerDamaged();
        return ExitDamagedInstaller;
    }
    StartProgram();
    RunProgram();
    return 0;
}
