#include "shell/Program.h"

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "shell/Form_Main.h"
#include "toolkit/Forms.h"

namespace {
const char* const Title = "Install_Pictoro";
}

void StartProgram() {
    Application->Initialize();
    Application->SetTitle(Title);
    Application->HelpFile = "";
    Application->CreateForm(FormMain);
}

void RunProgram() {
    Application->Run();
}

void ShowInstallerDamaged() {
    Application->SetTitle(Title);
    Application->ShowException(Exception(InstallerDamagedText));
}

void RefuseDamagedInstaller() {
    ShowInstallerDamaged();
    platform::Halt(ExitDamagedInstaller);
}
