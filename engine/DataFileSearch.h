// The installed-copy search without its page: the data files on the fixed disks whose
// format this installer can upgrade.
#pragma once

#include <string>
#include <vector>

#include "engine/LIB_FindFiles.h"

// Full paths of the accepted Pictoro.Dat files, sorted without regard to case. Unreadable
// directories and files are passed over silently.
std::vector<std::string> FindUpgradableDataFiles(const TFindProgressEvent& OnProgress);
