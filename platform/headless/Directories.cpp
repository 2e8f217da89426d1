#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "platform/Platform.h"
#include "platform/headless/Attributes.h"
#include "platform/headless/Masks.h"
#include "platform/headless/Paths.h"
#include "platform/headless/State.h"

namespace platform {

using namespace headless;

bool FileExists(const std::string& path)
{
    ResolvedPath file = Resolve(path);
    return file.Code == ioOK && HostExists(file.Host) && !HostIsDirectory(file.Host);
}

bool DirectoryExists(const std::string& path)
{
    ResolvedPath directory = Resolve(path);
    return directory.Code == ioOK && HostIsDirectory(directory.Host);
}

bool CreateDir(const std::string& path)
{
    ResolvedPath directory = Resolve(path);
    return directory.Code == ioOK && mkdir(directory.Host.c_str(), 0777) == 0;
}

std::string GetCurrentDir() { return State().CurrentDir; }

namespace {

// The drive letter of a root written "C:\" (or "C:"), or 0.
char RootLetter(const std::string& root)
{
    bool form = (root.size() == 2 || (root.size() == 3 && root[2] == '\\')) && root[1] == ':' &&
                std::isalpha(static_cast<unsigned char>(root[0]));
    return form ? char(std::toupper(static_cast<unsigned char>(root[0]))) : 0;
}

std::vector<DirEntry> ListHostDirectory(const std::string& host)
{
    std::vector<DirEntry> entries;
    DIR* dir = opendir(host.c_str());
    if (!dir)
        return entries;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back({name, EntryAttributes(host + "/" + name)});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) {
        return LowerCase(a.Name) < LowerCase(b.Name);
    });
    return entries;
}

} // namespace

int GetDriveTypeA(const std::string& root)
{
    auto drive = State().Drives.find(RootLetter(root));
    return drive == State().Drives.end() ? DriveNoRootDir : drive->second.Type;
}

std::uint32_t GetLogicalDrives()
{
    std::uint32_t mask = 0;
    for (const auto& [letter, drive] : State().Drives)
        if (letter >= 'A' && letter <= 'Z')
            mask |= 1u << (letter - 'A');
    return mask;
}

std::vector<DirEntry> FindEntries(const std::string& pattern)
{
    std::size_t split = pattern.find_last_of("\\/");
    std::string directory = split == std::string::npos ? "." : pattern.substr(0, split + 1);
    std::string mask = split == std::string::npos ? pattern : pattern.substr(split + 1);
    ResolvedPath resolved = Resolve(directory);
    std::vector<DirEntry> found;
    if (resolved.Code != ioOK || !HostIsDirectory(resolved.Host))
        return found;
    std::vector<DirEntry> entries = ListHostDirectory(resolved.Host);
    bool root = resolved.Windows.size() == 3;
    if (!root)
        entries.insert(entries.begin(), {{".", faDirectory}, {"..", faDirectory}});
    for (const DirEntry& entry : entries)
        if (MatchesMask(entry.Name, mask))
            found.push_back(entry);
    return found;
}

} // namespace platform
