// The program start, in two halves so that tests can run the first without a message loop.
#pragma once

// Initialises the application object (and COM), sets the title and the help file, and
// creates the main window, whose creation handler shows the welcome page.
void StartProgram();
// Runs the message loop until the main window closes.
void RunProgram();

// The exit code of an installer whose carried application fails its check at start: it has
// shown the damage box and nothing else, and written nothing.
constexpr int ExitDamagedInstaller = 2;
// What a damaged installer says: in its error box, captioned with the title like every other
// box, or in the log of a silent run.
inline const char* const InstallerDamagedText = "This installer is damaged and has to be downloaded again";
void ShowInstallerDamaged();
// Shows the damage box and ends the installer with ExitDamagedInstaller: the end of a run that
// finds the carried application damaged before writing it.
[[noreturn]] void RefuseDamagedInstaller();
