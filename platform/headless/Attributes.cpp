#include "platform/headless/Attributes.h"

#include <dirent.h>
#include <sys/stat.h>

#include "platform/headless/Paths.h"
#include "platform/headless/State.h"

namespace platform::headless {

bool HostExists(const std::string& host) {
    struct stat info;
    return !host.empty() && lstat(host.c_str(), &info) == 0;
}

bool HostIsDirectory(const std::string& host) {
    struct stat info;
    return !host.empty() && stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

namespace {

// Those set with SetAttributes, else faArchive for a file.
std::uint32_t StoredAttributes(const std::string& host, bool directory) {
    auto stored = State().Attributes.find(host);
    return stored != State().Attributes.end() ? stored->second : directory ? 0 : faArchive;
}

// The same for an entry of a host directory; its path is built only when some are stored.
std::uint32_t StoredAttributes(const std::string& directoryHost, const char* name, bool directory) {
    return State().Attributes.empty() ? StoredAttributes(std::string(), directory)
                                      : StoredAttributes(directoryHost + "/" + name, directory);
}

} // namespace

std::uint32_t EntryAttributes(const std::string& host) {
    struct stat link, target;
    if (lstat(host.c_str(), &link) != 0) return 0;
    bool directory = stat(host.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
    std::uint32_t attributes = StoredAttributes(host, directory);
    if (directory) attributes |= faDirectory;
    if (S_ISLNK(link.st_mode)) attributes |= faReparsePoint;
    return attributes;
}

std::uint32_t ListedAttributes(const std::string& directoryHost, const dirent& entry) {
    if (entry.d_type == DT_DIR) return StoredAttributes(directoryHost, entry.d_name, true) | faDirectory;
    if (entry.d_type == DT_REG) return StoredAttributes(directoryHost, entry.d_name, false);
    return EntryAttributes(directoryHost + "/" + entry.d_name);
}

void SetAttributes(const std::string& windowsPath, std::uint32_t attributes) {
    ResolvedPath resolved = Resolve(windowsPath);
    if (resolved.Code == ioOK) State().Attributes[resolved.Host] = attributes & ~(faDirectory | faReparsePoint);
}

void ForgetAttributes(const std::string& host) {
    State().Attributes.erase(host);
}

void MoveAttributes(const std::string& fromHost, const std::string& toHost) {
    auto& attributes = State().Attributes;
    attributes.erase(toHost);
    auto stored = attributes.find(fromHost);
    if (stored == attributes.end()) return;
    attributes[toHost] = stored->second;
    attributes.erase(stored);
}

} // namespace platform::headless
