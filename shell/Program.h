// The program start, in two halves so that tests can run the first without a message loop.
#pragma once

// Initialises the application object (and COM), sets the title and the help file, and
// creates the main window, whose creation handler shows the welcome page.
void StartProgram();
// Runs the message loop until the main window closes.
void RunProgram();
