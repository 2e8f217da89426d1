#include "platform/headless/Attributes.h"

#include <dirent.h>
#include <sys/stat.h>

#include "platform/headless/Paths.h"
#include "platform/headless/State.h"

namespace platform::headless {

bool HostExists(const std::string& host)
{
    struct stat info;
    return !host.empty() && lstat(host.c_str(), &info) == 0;
}

bool HostIsDirectory(const std::string& host)
{
    struct stat info;
    return !host.empty() && stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

namespace {

// Those set with SetAttributes, else faArchive for a file.
std::uint32_t StoredAttributes(const std::string& host, bool directory)
{
    auto stored = State().Attributes.find(host);
    return stored != State().Attributes.end() ? stored->second : directory ? 0 : faArchive;
}

} // namespace

std::uint32_t EntryAttributes(const std::string& host)
{
    struct stat link, target;
    if (lstat(host.c_str(), &link) != 0)
        return 0;
    bool resolves = stat(host.c_str(), &target) == 0;
    bool directory = resolves && S_ISDIR(target.st_mode);
    std::uint32_t attributes = StoredAttributes(host, directory);
    if (directory)
        attributes |= faDirectory;
    if (S_ISLNK(link.st_mode))
        attributes |= faReparsePoint;
    if (!directory && resolves && !(target.st_mode & S_IWUSR))
        attributes |= faReadOnly;
    return attributes;
}

std::uint32_t ListedAttributes(const std::string& host, unsigned char type)
{
    if (type == DT_DIR)
        return StoredAttributes(host, true) | faDirectory;
    if (type != DT_REG)
        return EntryAttributes(host);
    struct stat file;
    if (stat(host.c_str(), &file) != 0)
        return 0;
    bool readOnly = !(file.st_mode & S_IWUSR);
    return StoredAttributes(host, false) | (readOnly ? faReadOnly : 0);
}

void SetAttributes(const std::string& windowsPath, std::uint32_t attributes)
{
    ResolvedPath resolved = Resolve(windowsPath);
    if (resolved.Code == ioOK)
        State().Attributes[resolved.Host] = attributes & ~(faDirectory | faReparsePoint);
}

void ForgetAttributes(const std::string& host) { State().Attributes.erase(host); }

void MoveAttributes(const std::string& fromHost, const std::string& toHost)
{
    auto& attributes = State().Attributes;
    attributes.erase(toHost);
    auto stored = attributes.find(fromHost);
    if (stored == attributes.end())
        return;
    attributes[toHost] = stored->second;
    attributes.erase(stored);
}

} // namespace platform::headless
