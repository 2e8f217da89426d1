#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <iterator>

#include "platform/Platform.h"
#include "platform/Strings.h"
#include "platform/headless/Attributes.h"
#include "platform/headless/Faults.h"
#include "platform/headless/Masks.h"
#include "platform/headless/Paths.h"
#include "platform/headless/State.h"

namespace platform {

using namespace headless;

bool FileExists(const std::string& path) {
    ResolvedPath file = Resolve(path);
    return file.Code == ioOK && HostExists(file.Host) && !HostIsDirectory(file.Host);
}

bool DirectoryExists(const std::string& path) {
    ResolvedPath directory = Resolve(path);
    return directory.Code == ioOK && HostIsDirectory(directory.Host);
}

bool CreateDir(const std::string& path) {
    ResolvedPath directory = Resolve(path);
    return directory.Code == ioOK && mkdir(directory.Host.c_str(), 0777) == 0;
}

bool RemoveDir(const std::string& path) {
    ResolvedPath directory = Resolve(path);
    return directory.Code == ioOK && HostIsDirectory(directory.Host) && rmdir(directory.Host.c_str()) == 0;
}

std::string GetCurrentDir() {
    return State().CurrentDir;
}

// The virtual Windows' folder for temporary files; tests make it where they need it.
std::string GetTempDir() {
    return "C:\\Temp\\";
}

namespace {

// The drive letter of a root written "C:\" (or "C:"), or 0.
char RootLetter(const std::string& root) {
    bool form = (root.size() == 2 || (root.size() == 3 && root[2] == '\\')) && root[1] == ':' &&
        std::isalpha(static_cast<unsigned char>(root[0]));
    return form ? char(std::toupper(static_cast<unsigned char>(root[0]))) : 0;
}

bool LessIgnoringCase(const DirEntry& a, const DirEntry& b) {
    return std::lexicographical_compare(a.Name.begin(), a.Name.end(), b.Name.begin(), b.Name.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerCase(x)) < static_cast<unsigned char>(LowerCase(y));
    });
}

// The entries of a host folder whose names match the mask, sorted without regard to case.
// False if the folder cannot be opened.
bool ListHostDirectory(const std::string& host, const std::string& mask, std::vector<DirEntry>& entries) {
    DIR* dir = opendir(host.c_str());
    if (!dir) return false;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == ".." || !MatchesMask(name, mask)) continue;
        std::uint32_t attributes = ListedAttributes(host, *entry);
        entries.push_back({std::move(name), attributes});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), LessIgnoringCase);
    return true;
}

} // namespace

int GetDriveTypeA(const std::string& root) {
    auto drive = State().Drives.find(RootLetter(root));
    return drive == State().Drives.end() ? DriveNoRootDir : drive->second.Type;
}

std::string GetVolumeLabel(const std::string& root) {
    auto drive = State().Drives.find(RootLetter(root));
    if (drive == State().Drives.end() || drive->second.HostDirectory.empty()) return "";
    return drive->second.Label;
}

std::uint32_t GetLogicalDrives() {
    std::uint32_t mask = 0;
    for (const auto& [letter, drive] : State().Drives)
        if (letter >= 'A' && letter <= 'Z') mask |= 1u << (letter - 'A');
    return mask;
}

std::vector<DirEntry> FindEntries(const std::string& pattern) {
    std::size_t split = pattern.find_last_of("\\/");
    std::string directory = split == std::string::npos ? "." : pattern.substr(0, split + 1);
    std::string mask = split == std::string::npos ? pattern : pattern.substr(split + 1);
    ResolvedPath resolved = Resolve(directory);
    std::vector<DirEntry> found;
    if (resolved.Code != ioOK || AccessFaultCode(resolved.Windows) != ioOK) return found;
    if (resolved.Windows.size() != 3)
        for (const char* dots : {".", ".."})
            if (MatchesMask(dots, mask)) found.push_back({dots, faDirectory});
    std::vector<DirEntry> listed;
    if (!ListHostDirectory(resolved.Host, mask, listed)) return {};
    found.insert(found.end(), std::make_move_iterator(listed.begin()), std::make_move_iterator(listed.end()));
    return found;
}

} // namespace platform
