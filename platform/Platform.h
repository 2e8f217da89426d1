// The operating system as the installer uses it. One implementation calls Windows
// (platform/win32), the other is a small virtual Windows for tests (platform/headless).
// Names follow the Windows calls they stand for; none of them is a <windows.h> macro.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Exceptions.h"

namespace platform {

// ---- I/O result codes (the runtime's numbering) ----
constexpr int ioOK = 0;
constexpr int ioFileNotFound = 2;
constexpr int ioPathNotFound = 3; // text "Invalid filename"
constexpr int ioTooManyOpenFiles = 4;
constexpr int ioAccessDenied = 5;
constexpr int ioSharingViolation = 32; // a file in use by another process
constexpr int ioFileExists = 80;
constexpr int ioReadBeyondEnd = 100;
constexpr int ioFileNotOpen = 103;
constexpr int ioNotOpenForInput = 104;
constexpr int ioNotOpenForOutput = 105;
constexpr int ioDiskFull = 101;
constexpr int ioInvalidNumericInput = 106;

// ---- Low-level files: handles and whole-file operations; every call returns an I/O code ----
using FileHandle = std::intptr_t;
constexpr FileHandle NoFile = -1;

int CreateFileForWrite(const std::string& path, FileHandle& handle); // create or truncate; others may read, not write
int OpenFileForRead(const std::string& path, FileHandle& handle);
// For a file in a place others can write (a log): never follows a link or reparse point, and
// refuses a file that is one (or has further hard links) with ioAccessDenied. With createNew
// only a file that does not exist yet is made (ioFileExists otherwise); else an existing one is
// emptied once it has been found plain.
int CreatePlainFileForWrite(const std::string& path, bool createNew, FileHandle& handle);
int WriteFileBytes(FileHandle handle, const std::uint8_t* data, std::size_t count);
int ReadFileBytes(FileHandle handle, std::uint8_t* data, std::size_t count, std::size_t& got);
int CloseFileHandle(FileHandle handle);

// The whole file of the running program.
int ReadProgramFile(std::vector<std::uint8_t>& bytes);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool CreateDir(const std::string& path); // one level; false if it failed or exists
bool RemoveDir(const std::string& path); // one empty level; false if it failed or is not empty
int DeleteFileAt(const std::string& path);
int ReplaceFileWith(const std::string& source, const std::string& target); // rename over an existing target
int CheckReplaceable(const std::string& path); // 0 if missing, or writable and not in use
std::string GetCurrentDir(); // e.g. "C:\\Setup"
std::string GetTempDir(); // the user's folder for temporary files, ending in a backslash

// ---- Drives and directory enumeration ----
constexpr int DriveUnknown = 0;
constexpr int DriveNoRootDir = 1;
constexpr int DriveRemovable = 2;
constexpr int DriveFixed = 3;
constexpr int DriveRemote = 4;
constexpr int DriveCdrom = 5;
constexpr int DriveRamdisk = 6;

int GetDriveTypeA(const std::string& root); // root as "C:\\"
std::string GetVolumeLabel(const std::string& root); // "" without a label or a medium
std::uint32_t GetLogicalDrives(); // bit 0 = A:

constexpr std::uint32_t faReadOnly = 0x01;
constexpr std::uint32_t faHidden = 0x02;
constexpr std::uint32_t faSysFile = 0x04;
constexpr std::uint32_t faDirectory = 0x10;
constexpr std::uint32_t faArchive = 0x20;
constexpr std::uint32_t faReparsePoint = 0x400;

struct DirEntry {
    std::string Name; // as the file system spells it, "." and ".." included where Windows lists them
    std::uint32_t Attributes;
};

// Entries matching a pattern such as "C:\\Dir\\*.*" or "C:\\Dir\\Pictoro.Dat", matched as
// Windows matches masks (without regard to case). A directory that cannot be read yields none.
std::vector<DirEntry> FindEntries(const std::string& pattern);

// ---- Shell ----
constexpr int CsidlPrograms = 0x02;
constexpr int CsidlDesktopDirectory = 0x10;
constexpr int CsidlProgramFiles = 0x26;
constexpr std::int32_t HrOK = 0;

// SHGetFolderPathA with no access token; returns the HRESULT, fills path on success.
std::int32_t SHGetFolderPathA(std::uintptr_t ownerWindow, int csidl, std::uint32_t flags, std::string& path);

// The shell's link object (CLSID_ShellLink with IShellLinkA and IPersistFile). The
// constructor raises EOleSysError when the object cannot be created and EIntfCastError when
// an interface is missing; the setters and Save report nothing.
class ShellLink {
public:
    ShellLink();
    ~ShellLink();
    ShellLink(const ShellLink&) = delete;
    ShellLink& operator=(const ShellLink&) = delete;
    void SetArguments(const std::string& arguments);
    void SetDescription(const std::string& description);
    void SetPath(const std::string& path);
    void SetIconLocation(const std::string& path, int index);
    void Save(const std::u16string& fileName, bool remember);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

std::u16string AnsiToWide(const std::string& text); // through the ANSI code page

bool CoInitializeApartment(); // true if COM was initialised (and must be uninitialised)
void CoUninitializeApartment();

// ---- Processes ----
constexpr int SwShowNormal = 1;
constexpr int SwShowMaximized = 3;

unsigned WinExec(const std::string& commandLine, int show);
std::intptr_t ShellExecuteA(std::uintptr_t ownerWindow, const std::string& operation, const std::string& file,
                            const std::string& parameters, const std::string& directory, int show);

std::string GetCommandLineText(); // the whole command line, program name first

// Loads from the system folder the DLLs that Windows and its DLLs load for this program by name
// (the theme, the accessibility and picture libraries and their kin), so that none of them is
// ever looked for beside the program, where a download can have put a file of that name.
// Before any window; a DLL the system lacks is skipped.
void LoadSystemLibraries();

// Writes the text to the process's standard error; false if it has none (a GUI program started
// from a desktop) or the write failed.
bool WriteStandardError(const std::string& text);

// SetErrorMode: which boxes the system shows on the program's behalf.
constexpr std::uint32_t SemFailCriticalErrors = 0x0001; // "No disk" and its kin
constexpr std::uint32_t SemNoGpFaultErrorBox = 0x0002;
constexpr std::uint32_t SemNoOpenFileErrorBox = 0x8000;
void SetErrorMode(std::uint32_t mode);

// Ends the program with an exit code after the normal clean-up. The headless platform
// records the code and throws HaltRequest instead, so a test survives it.
[[noreturn]] void Halt(int exitCode);
struct HaltRequest {
    int ExitCode;
};

// ---- Text ----
// Below 0, 0 or above 0 as a sorts before, with or after b in the user locale's order, case
// ignored. The headless platform's order: hyphen and apostrophe, other symbols, digits, then
// letters; characters of one kind by their code.
int AnsiCompareText(const std::string& a, const std::string& b);

// ---- Time and screen ----
double Now(); // local date and time: days since 1899-12-30 with fraction
void SleepEx(std::uint32_t milliseconds, bool alertable);
int ScreenBitsPerPixel();

} // namespace platform
