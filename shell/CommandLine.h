// The command line: split into arguments, rejoined, the /autoupdate option and the options
// of a silent installation.
#pragma once

#include <optional>
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

// True if a line that is not an /autoupdate line has /silent (case ignored) among its
// arguments; any other line starts the wizard as before.
bool IsSilentLine(const std::string& CommandLine);

// The choices of a silent installation; what is not given is what the wizard proposes.
struct TSilentOptions {
    bool Agreed = false; // /agree
    std::optional<std::string> InstallDir; // /dir=, as given
    std::optional<std::string> DownloadDir; // /downloaddir=, as given
    int ConnectionKind = 5; // /connection=, 0 to 5; "I don't know" unless given
    bool DesktopShortcut = true; // false with /nodesktopshortcut
    std::string LogFile; // /log=; empty: the default log
    std::string Error; // why the line is not understood; empty if it is
};

// Reads the arguments after the program's own: option names without regard to case, values
// as given. The first thing not understood (an unknown or repeated option, a connection
// other than 0 to 5, an empty log name, no /agree) is told in Error; the rest is still read,
// so a /log given after it is kept.
TSilentOptions ParseSilentOptions(const std::string& CommandLine);
