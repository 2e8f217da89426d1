#include "platform/Platform.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"
#include "shell/SilentInstall.h"
#include "toolkit/Forms.h"

int main() {
    const std::string commandLine = platform::GetCommandLineText();
    if (IsSilentLine(commandLine)) return RunSilentInstallation(commandLine); // no window, no box
    TApplication application; // its end uninitialises COM
    Application = &application;
    StartProgram();
    RunProgram();
    return 0;
}
