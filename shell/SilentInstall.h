// A fresh installation without a window, for deployment: the choices from the command line
// (the wizard's proposals for what is not given), the engine's installation run, a log of
// every step and an exit code.
#pragma once

#include <string>

enum TSilentExitCode : int {
    SilentInstalled = 0,
    SilentNotUnderstood = 1, // an unknown option, a connection out of range, no /agree
    SilentRefused = 2, // a directory the directory pages refuse; nothing was written
    SilentFailed = 3, // writing failed; what was there before is kept
};

// Runs the installation that the silent command line asks for and returns its exit code.
// Shows nothing, not even the system's boxes, and lets nothing escape: every message goes to
// the log, which is opened only once the line is understood; the result line also goes to
// standard error, with where the log is or why there is none.
int RunSilentInstallation(const std::string& CommandLine);

// For a silent run that must end before the installation starts: writes the message and
// the result to the log the command line names (to standard error alone if the line is not
// understood) and returns ExitCode.
int EndSilentRun(const std::string& CommandLine, const std::string& Message, TSilentExitCode ExitCode);
