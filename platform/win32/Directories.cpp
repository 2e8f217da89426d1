#include <windows.h>

#include "platform/Platform.h"

namespace platform {

int GetDriveTypeA(const std::string& root) { return int(::GetDriveTypeA(root.c_str())); }

std::uint32_t GetLogicalDrives() { return ::GetLogicalDrives(); }

std::vector<DirEntry> FindEntries(const std::string& pattern)
{
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do
        entries.push_back({data.cFileName, data.dwFileAttributes});
    while (FindNextFileA(search, &data));
    FindClose(search);
    return entries;
}

} // namespace platform
