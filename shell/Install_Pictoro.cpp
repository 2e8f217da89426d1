#include "shell/Program.h"
#include "toolkit/Forms.h"

int main() {
    TApplication application; // its end uninitialises COM
    Application = &application;
    StartProgram();
    RunProgram();
    return 0;
}
