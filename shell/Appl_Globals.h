// The installation globals, shared by the pages for the whole run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

extern std::string InstallDir; // ends in a backslash where it is set
extern std::string DownloadDir; // as the user accepted it
extern std::int32_t ConnectionKind; // 0 to 5; -1: nothing chosen yet
extern bool AutoUpdate; // the command line asked for an unattended upgrade
extern bool UpgradeChosen;
extern bool DesktopShortcut;
extern std::vector<std::string> FoundDataFiles; // accepted data files, sorted without regard to case
