#include "platform/Platform.h"
#include "platform/headless/State.h"

namespace platform {

using namespace headless;

unsigned WinExec(const std::string& commandLine, int show) {
    State().Started.push_back({commandLine, show, ""});
    return 33; // above 31: started
}

std::intptr_t ShellExecuteA(std::uintptr_t, const std::string& operation, const std::string& file,
                            const std::string& parameters, const std::string&, int show) {
    State().Started.push_back({parameters.empty() ? file : file + " " + parameters, show, operation});
    return 42; // above 32: opened
}

std::string GetCommandLineText() {
    return State().CommandLine;
}

void LoadSystemLibraries() {}

bool WriteStandardError(const std::string& text) {
    State().StandardError += text;
    return true;
}

void SetErrorMode(std::uint32_t mode) {
    State().ErrorMode = mode;
}

void Halt(int exitCode) {
    State().Halted = true;
    State().ExitCode = exitCode;
    throw HaltRequest{exitCode};
}

} // namespace platform
