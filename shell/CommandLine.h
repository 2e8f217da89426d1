// The command line: split into arguments, rejoined, and the /autoupdate option.
#pragma once

#include <string>
#include <vector>

// Outside double quotes, blanks and control characters separate arguments; a double quote
// begins or ends a quoted run and is removed; a backslash is an ordinary character.
std::vector<std::string> SplitCommandLine(const std::string& CommandLine);

// The arguments after the program's own, each followed by one blank, then trimmed.
std::string JoinedArguments(const std::string& CommandLine);

// True if the joined line starts with "/autoupdate " (case ignored); Directory is then the
// rest of the line, trimmed, ending in a backslash.
bool ParseAutoUpdate(const std::string& Line, std::string& Directory);
