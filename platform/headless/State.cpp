#include "platform/headless/State.h"

#include <unistd.h>

#include <cctype>
#include <filesystem>

#include "platform/DateTime.h"
#include "platform/headless/Paths.h"
#include "platform/headless/WriteBehind.h"

namespace platform::headless {

namespace {

VirtualState FreshState() {
    VirtualState state;
    state.Clock = EncodeDateTime(2026, 1, 1, 12, 0, 0, 0);
    state.ClockStepDays = 1.0 / 86400000.0;
    return state;
}

Drive& DriveOf(char letter) {
    return State().Drives[char(std::toupper(static_cast<unsigned char>(letter)))];
}

} // namespace

VirtualState& State() {
    static VirtualState state = FreshState();
    return state;
}

std::mutex& ClockLock() {
    static std::mutex lock;
    return lock;
}

void Reset() {
    WriteAllHeld();
    for (const auto& [handle, file] : State().OpenFiles) close(file.Descriptor);
    std::lock_guard<std::mutex> guard(ClockLock());
    State() = FreshState();
}

void MapDrive(char letter, const std::string& hostDirectory, int driveType) {
    std::filesystem::create_directories(hostDirectory);
    DriveOf(letter) = {hostDirectory, driveType, ""};
}

void SetDriveType(char letter, int driveType) {
    DriveOf(letter).Type = driveType;
}

void SetVolumeLabel(char letter, const std::string& label) {
    DriveOf(letter).Label = label;
}

std::string HostPath(const std::string& windowsPath) {
    ResolvedPath resolved = Resolve(windowsPath);
    return resolved.Code == ioOK ? resolved.Host : std::string();
}

void SetCurrentDir(const std::string& windowsPath) {
    State().CurrentDir = AbsoluteWindowsPath(windowsPath);
}

void SetSpecialFolder(int csidl, const std::string& windowsPath, std::int32_t result) {
    State().SpecialFolders[csidl] = {windowsPath, result};
}

const std::vector<StartedProcess>& StartedProcesses() {
    return State().Started;
}
void SetCommandLine(const std::string& commandLine) {
    State().CommandLine = commandLine;
}
void SetScreenBitsPerPixel(int bits) {
    State().ScreenBits = bits;
}
void SetShellLinkFailure(std::int32_t hresult) {
    State().ShellLinkFailure = hresult;
}
bool Halted() {
    return State().Halted;
}
int ExitCode() {
    return State().ExitCode;
}
int ComInitCount() {
    return State().ComInits;
}
const std::string& StandardErrorText() {
    return State().StandardError;
}
std::uint32_t ErrorMode() {
    return State().ErrorMode;
}

} // namespace platform::headless
