#include "engine/DataFileSearch.h"

#include "datafile/LIB_Data1_ReadWrite.h"

std::vector<std::string> FindUpgradableDataFiles(const TFindProgressEvent& OnProgress) {
    return FindFiles("Pictoro.Dat", 1, "", OnProgress, [](const std::string& Path) { return DataFileAccepted(Path); });
}
