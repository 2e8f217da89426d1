#include <windows.h>

#include "platform/Platform.h"

namespace platform {

int GetDriveTypeA(const std::string& root) { return int(::GetDriveTypeA(root.c_str())); }

std::uint32_t GetLogicalDrives() { return ::GetLogicalDrives(); }

// A drive without a medium fails quietly instead of asking for a disk.
std::string GetVolumeLabel(const std::string& root)
{
    char label[MAX_PATH + 1] = "";
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL read = GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(oldMode);
    return read ? label : "";
}

// Limiting the search to directories is only a hint to the file system, so the attribute
// still decides.
std::vector<DirEntry> FindEntries(const std::string& pattern, bool directoriesOnly)
{
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAA data;
    FINDEX_SEARCH_OPS searchOps = directoriesOnly ? FindExSearchLimitToDirectories : FindExSearchNameMatch;
    HANDLE search = FindFirstFileExA(pattern.c_str(), FindExInfoStandard, &data, searchOps, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do
        if (!directoriesOnly || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            entries.push_back({data.cFileName, data.dwFileAttributes});
    while (FindNextFileA(search, &data));
    FindClose(search);
    return entries;
}

} // namespace platform
