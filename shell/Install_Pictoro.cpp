#include "engine/PayloadCheck.h"
#include "shell/Program.h"
#include "toolkit/Forms.h"

int main() {
    TApplication application; // its end uninitialises COM
    Application = &application;
    // Before any window: a bad download or disk must not get to write a damaged application.
    if (!PayloadImageIntact()) {
        ShowInstallerDamaged();
        return ExitDamagedInstaller;
    }
    StartProgram();
    RunProgram();
    return 0;
}
