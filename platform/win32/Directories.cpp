#include <windows.h>

#include "platform/Platform.h"

namespace platform {

int GetDriveTypeA(const std::string& root) {
    return int(::GetDriveTypeA(root.c_str()));
}

std::uint32_t GetLogicalDrives() {
    return ::GetLogicalDrives();
}

// A drive without a medium fails quietly instead of asking for a disk.
std::string GetVolumeLabel(const std::string& root) {
    char label[MAX_PATH + 1] = "";
    const UINT oldMode = ::GetErrorMode(); // a silent run's mode is kept and added to
    ::SetErrorMode(oldMode | SEM_FAILCRITICALERRORS);
    const BOOL read = GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0);
    ::SetErrorMode(oldMode);
    return read ? label : "";
}

namespace {

// Windows 7 and later list without short names and fetch larger batches; earlier versions
// refuse that query as an invalid parameter and get the standard one from then on.
HANDLE FindFirstEntry(const std::string& pattern, WIN32_FIND_DATAA& data) {
    static bool basicRefused = false;
    if (!basicRefused) {
        HANDLE search = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH);
        if (search != INVALID_HANDLE_VALUE || GetLastError() != ERROR_INVALID_PARAMETER) return search;
        basicRefused = true;
    }
    return FindFirstFileExA(pattern.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr, 0);
}

} // namespace

std::vector<DirEntry> FindEntries(const std::string& pattern) {
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstEntry(pattern, data);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do entries.push_back({data.cFileName, data.dwFileAttributes});
    while (FindNextFileA(search, &data));
    FindClose(search);
    return entries;
}

} // namespace platform
