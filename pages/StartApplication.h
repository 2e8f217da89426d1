// Starting the installed application from the ready pages and the unattended update.
#pragma once

#include <string>

// The command line: the executable in the directory (which ends in a backslash), in double
// quotes so that a path with blanks is read as one program name. No arguments.
std::string ApplicationCommandLine(const std::string& installDir);

// Starts it shown maximised; whether the start succeeds is not examined.
void StartApplication(const std::string& installDir);
