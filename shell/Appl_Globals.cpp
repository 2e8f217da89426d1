#include "shell/Appl_Globals.h"

std::string InstallDir;
std::string DownloadDir;
std::int32_t ConnectionKind = -1;
bool AutoUpdate = false;
bool UpgradeChosen = false;
bool DesktopShortcut = false;
std::vector<std::string> FoundDataFiles;
