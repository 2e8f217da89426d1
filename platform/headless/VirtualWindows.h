// Test control of the headless platform: a small virtual Windows over host folders.
// Drive letters map to host directories, each with a drive type; Windows paths are
// resolved without regard to case; attributes, special folders, the clock, started
// processes and injected faults are held here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform::headless {

// Forgets every drive, attribute, fault, record and setting; the clock restarts at
// 2026-01-01 12:00 and advances by 1 ms on every read.
void Reset();

// Maps a drive letter to a host directory (created if missing). Type is a Drive* constant.
void MapDrive(char letter, const std::string& hostDirectory, int driveType);
void SetDriveType(char letter, int driveType); // also for letters with no folder (no medium)
void SetVolumeLabel(char letter, const std::string& label); // of a mapped drive

// The host path that a Windows path resolves to (existing components matched without regard
// to case, missing ones appended as given); empty if the drive is not mapped. Written bytes
// that open handles still hold are written out first, so the host file shows them all.
std::string HostPath(const std::string& windowsPath);

void SetAttributes(const std::string& windowsPath, std::uint32_t attributes); // fa* flags, e.g. faHidden
void SetCurrentDir(const std::string& windowsPath);

// A special folder's path and the HRESULT that SHGetFolderPathA returns for it.
void SetSpecialFolder(int csidl, const std::string& windowsPath, std::int32_t result = 0);

// Faults. A fault applies to files and folders whose Windows path ends with the given suffix
// (case ignored), e.g. "\\Pictoro.Exe".
enum class Fault { None, DiskFull, AccessDenied, InUse };
// DiskFull: writes fail with ioDiskFull once afterBytes bytes were written to that file.
// AccessDenied: create and open fail with ioAccessDenied, and a folder lists nothing.
// InUse: create, open and replace fail with ioSharingViolation. Delete and CheckReplaceable
// report either fault too, even for a file that does not exist.
void InjectFault(const std::string& pathSuffix, Fault fault, std::uint64_t afterBytes = 0);
void ClearFaults();

// Processes started with WinExec and documents opened with ShellExecuteA, in order.
struct StartedProcess {
    std::string CommandLine; // for ShellExecuteA: the file, then a blank and parameters if any
    int Show;
    std::string Operation; // empty for WinExec
};
const std::vector<StartedProcess>& StartedProcesses();

// A link saved through ShellLink is a text file at the link's path, one "Key=Value" line
// each for Path, Arguments, Description, IconPath, IconIndex (IconPath and IconIndex only
// when SetIconLocation was called), in that order, each line ended by "\n".
// SetShellLinkFailure makes creating a link object fail with that HRESULT (0: no failure).
void SetShellLinkFailure(std::int32_t hresult);

void SetCommandLine(const std::string& commandLine);
void SetScreenBitsPerPixel(int bits);

// The clock: Now() returns the current value, then advances it by the step.
void SetClock(double dateTime);
void SetClockStep(double milliseconds);
void AdvanceClock(double milliseconds);

// Halt(code) records the code here, then throws platform::HaltRequest.
bool Halted();
int ExitCode();

int ComInitCount(); // CoInitializeApartment calls minus CoUninitializeApartment calls

const std::string& StandardErrorText(); // all that WriteStandardError wrote
std::uint32_t ErrorMode(); // the last SetErrorMode, 0 before any

} // namespace platform::headless
