#include "shell/Program.h"

int main() {
    StartProgram();
    RunProgram();
    return 0;
}
