#include "platform/headless/Paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <vector>

#include "platform/Strings.h"
#include "platform/headless/State.h"
#include "platform/headless/WriteBehind.h"

namespace platform::headless {

namespace {

constexpr int ErrorNotReady = 21;
constexpr int ErrorInvalidName = 123;

struct ParsedPath {
    int Code = 0;
    char Drive = 'C';
    std::vector<std::string> Components;
};

bool ValidComponent(const std::string& component) {
    for (unsigned char c : component)
        if (c < 32 || std::string("<>:\"|?*").find(char(c)) != std::string::npos) return false;
    return true;
}

// Adds the components of a relative path, applying "." and "..".
int AppendComponents(const std::string& text, std::vector<std::string>& components) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\\', start);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!components.empty()) components.pop_back();
            continue;
        }
        if (!ValidComponent(part)) return ErrorInvalidName;
        components.push_back(part);
    }
    return ioOK;
}

ParsedPath Parse(std::string text, bool relativeAllowed = true) {
    ParsedPath parsed;
    for (char& c : text)
        if (c == '/') c = '\\';
    if (text.empty() || text.rfind("\\\\", 0) == 0) {
        parsed.Code = ioPathNotFound;
        return parsed;
    }
    std::string rest = text;
    if (text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]))) {
        parsed.Drive = char(std::toupper(static_cast<unsigned char>(text[0])));
        rest = text.substr(2);
    } else if (relativeAllowed) {
        ParsedPath current = Parse(State().CurrentDir, false);
        parsed.Drive = current.Drive;
        if (text[0] != '\\') parsed.Components = current.Components;
    } else {
        parsed.Code = ioPathNotFound;
        return parsed;
    }
    parsed.Code = AppendComponents(rest, parsed.Components);
    return parsed;
}

std::string WindowsText(const ParsedPath& parsed) {
    std::string text = std::string(1, parsed.Drive) + ":\\";
    for (std::size_t i = 0; i < parsed.Components.size(); ++i) text += (i ? "\\" : "") + parsed.Components[i];
    return text;
}

bool HostEntryExists(const std::string& host) {
    struct stat info;
    return lstat(host.c_str(), &info) == 0;
}

// The host spelling of a name in a host directory: the exact name if it exists, else the
// first (in byte order) that differs only in case; empty if there is none.
std::string HostSpelling(const std::string& directory, const std::string& name) {
    if (HostEntryExists(directory + "/" + name)) return name;
    DIR* dir = opendir(directory.c_str());
    if (!dir) return {};
    std::string wanted = LowerCase(name), found;
    while (dirent* entry = readdir(dir)) {
        std::string candidate = entry->d_name;
        if (LowerCase(candidate) == wanted && (found.empty() || candidate < found)) found = candidate;
    }
    closedir(dir);
    return found;
}

// The host path of existing components matched without regard to case, one level at a time.
std::string MatchComponents(std::string host, const std::vector<std::string>& components) {
    bool missing = false;
    for (const std::string& component : components) {
        std::string spelling = missing ? std::string() : HostSpelling(host, component);
        missing = spelling.empty();
        host += "/" + (missing ? component : spelling);
    }
    return host;
}

} // namespace

ResolvedPath Resolve(const std::string& windowsPath) {
    WriteAllHeld();
    ResolvedPath resolved;
    ParsedPath parsed = Parse(windowsPath);
    if (parsed.Code != ioOK) {
        resolved.Code = parsed.Code;
        return resolved;
    }
    resolved.Windows = WindowsText(parsed);
    auto drive = State().Drives.find(parsed.Drive);
    if (drive == State().Drives.end()) {
        resolved.Code = ioPathNotFound;
        return resolved;
    }
    if (drive->second.HostDirectory.empty()) {
        resolved.Code = ErrorNotReady;
        return resolved;
    }
    // A path spelt as on the host is its own match: every component matches exactly.
    std::string exact = drive->second.HostDirectory;
    for (const std::string& component : parsed.Components) exact += "/" + component;
    resolved.Host = HostEntryExists(exact) ? exact : MatchComponents(drive->second.HostDirectory, parsed.Components);
    return resolved;
}

std::string AbsoluteWindowsPath(const std::string& windowsPath) {
    ParsedPath parsed = Parse(windowsPath);
    return parsed.Code == ioOK ? WindowsText(parsed) : std::string();
}

} // namespace platform::headless
