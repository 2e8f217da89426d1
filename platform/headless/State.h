// The whole state of the virtual Windows, in one place; Reset() replaces it.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace platform::headless {

struct Drive {
    std::string HostDirectory; // empty: the drive has no medium
    int Type = DriveUnknown;
    std::string Label;
};

struct SpecialFolder {
    std::string Path;
    std::int32_t Result = HrOK;
};

struct InjectedFault {
    std::string PathSuffix; // lower case
    Fault Kind = Fault::None;
    std::uint64_t AfterBytes = 0;
};

struct OpenFile {
    int Descriptor = -1;
    std::string HostPath;
    std::string WindowsPath;
    bool Writing = false;
    std::uint64_t BytesWritten = 0; // accepted by WriteFileBytes, held ones included
    std::vector<std::uint8_t> Held; // accepted, not yet written to the host file
    int HeldFailure = 0; // a host write failure of held bytes not yet reported
};

struct VirtualState {
    std::map<char, Drive> Drives; // by upper-case letter
    std::map<std::string, std::uint32_t> Attributes; // by host path
    std::map<int, SpecialFolder> SpecialFolders; // by CSIDL
    std::vector<InjectedFault> Faults;
    std::map<FileHandle, OpenFile> OpenFiles;
    FileHandle NextHandle = 100;
    std::string CurrentDir = "C:\\";
    std::vector<StartedProcess> Started;
    std::string CommandLine = "Install_Pictoro.exe";
    std::int32_t ShellLinkFailure = HrOK;
    int ScreenBits = 32;
    int ComInits = 0;
    std::string StandardError;
    std::uint32_t ErrorMode = 0;
    bool Halted = false;
    int ExitCode = 0;
    double Clock = 0; // guarded by ClockLock
    double ClockStepDays = 0;
};

VirtualState& State();
std::mutex& ClockLock();

} // namespace platform::headless
