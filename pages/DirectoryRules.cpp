#include "pages/DirectoryRules.h"

#include "platform/Platform.h"
#include "platform/Strings.h"

std::string ProposeDirectory(const std::string& directory, const std::string& folderWord) {
    std::string proposal = WithTrailingBackslash(directory);
    if (LowerCase(proposal).find(LowerCase(folderWord)) == std::string::npos) proposal += folderWord + "\\";
    return proposal;
}

std::string InstallListStart(std::uintptr_t ownerWindow) {
    std::string programFiles;
    if (platform::SHGetFolderPathA(ownerWindow, platform::CsidlProgramFiles, 0, programFiles) != 0)
        return "C:\\Pictoro";
    return programFiles;
}

std::string CheckedDirectory(const std::string& text) {
    std::string directory = Trim(text);
    if (directory.size() < 3) throw Exception("Invalid directory");
    return directory;
}

namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// \\server\share\... with a server and a share; "\\?\" and "\\.\" are the system's device
// paths, no server.
bool IsNetworkPath(const std::string& path) {
    if (path.rfind("\\\\", 0) != 0) return false;
    const std::size_t share = path.find('\\', 2);
    if (share == std::string::npos || share == 2) return false;
    const std::string server = path.substr(2, share - 2);
    const std::size_t shareEnd = path.find('\\', share + 1);
    return server != "?" && server != "." && shareEnd != share + 1 && share + 1 < path.size();
}

} // namespace

std::string CheckedAbsoluteDirectory(const std::string& text) {
    const std::string directory = CheckedDirectory(text);
    const bool onDrive = IsDriveLetter(directory[0]) && directory[1] == ':' && directory[2] == '\\';
    if (!onDrive && !IsNetworkPath(directory)) throw Exception("Invalid directory");
    return directory;
}

std::string WithTrailingBackslash(std::string directory) {
    if (directory.empty() || directory.back() != '\\') directory += '\\';
    return directory;
}

void RefuseExistingInstallation(const std::string& installDir) {
    if (platform::FileExists(installDir + "Pictoro.Dat"))
        throw Exception("Cannot install Pictoro in " + EscapedForMessage(installDir, THighBytes::Kept) + "\r" +
                        "because it already exists there. You can:\r"
                        "- Delete it or uninstall it first, \r"
                        "- Go back and choose upgrade instead of install.");
}
