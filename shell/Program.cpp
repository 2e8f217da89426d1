#include "shell/Program.h"

#include "shell/Form_Main.h"
#include "toolkit/Forms.h"

void StartProgram() {
    Application->Initialize();
    Application->SetTitle("Install_Pictoro");
    Application->HelpFile = "";
    Application->CreateForm(FormMain);
}

void RunProgram() {
    Application->Run();
}
