#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/Platform.h"
#include "platform/headless/Attributes.h"
#include "platform/headless/Faults.h"
#include "platform/headless/HostErrors.h"
#include "platform/headless/Paths.h"
#include "platform/headless/State.h"
#include "platform/headless/WriteBehind.h"

namespace platform {

using namespace headless;

namespace {

constexpr int ErrorInvalidHandle = 6;

// "File not found" when the folder exists, else "path not found".
int MissingCode(const std::string& host) {
    return HostIsDirectory(host.substr(0, host.rfind('/'))) ? ioFileNotFound : ioPathNotFound;
}

// Whether a handle is open on the host file; writersOnly limits the test to write handles.
bool OpenedBy(const std::string& host, bool writersOnly) {
    return std::any_of(State().OpenFiles.begin(), State().OpenFiles.end(), [&](const auto& open) {
        return open.second.HostPath == host && (open.second.Writing || !writersOnly);
    });
}

bool ReadOnly(const std::string& host) {
    return EntryAttributes(host) & faReadOnly;
}

// Why an existing file cannot be written, replaced or deleted; 0 if it can.
int ChangeCode(const ResolvedPath& file) {
    if (int fault = AccessFaultCode(file.Windows)) return fault;
    if (HostIsDirectory(file.Host) || (HostExists(file.Host) && ReadOnly(file.Host))) return ioAccessDenied;
    return OpenedBy(file.Host, false) ? ioSharingViolation : ioOK;
}

int OpenHandle(const ResolvedPath& file, int flags, bool writing, FileHandle& handle) {
    int descriptor = open(file.Host.c_str(), flags | O_CLOEXEC, 0666);
    if (descriptor < 0) return ErrnoCode(errno);
    handle = State().NextHandle++;
    OpenFile& opened = State().OpenFiles[handle];
    opened.Descriptor = descriptor;
    opened.HostPath = file.Host;
    opened.WindowsPath = file.Windows;
    opened.Writing = writing;
    return ioOK;
}

OpenFile* FindOpen(FileHandle handle) {
    auto found = State().OpenFiles.find(handle);
    return found == State().OpenFiles.end() ? nullptr : &found->second;
}

// What refuses to open a path for reading or writing alike: a bad path, an injected fault,
// a directory. Fills file.
int OpenRefusal(const std::string& path, ResolvedPath& file) {
    file = Resolve(path);
    if (file.Code != ioOK) return file.Code;
    if (int fault = AccessFaultCode(file.Windows)) return fault;
    return HostIsDirectory(file.Host) ? ioAccessDenied : ioOK;
}

} // namespace

int CreateFileForWrite(const std::string& path, FileHandle& handle) {
    handle = NoFile;
    ResolvedPath file;
    if (int refused = OpenRefusal(path, file)) return refused;
    // Like CREATE_ALWAYS with normal attributes: a read-only, hidden or system file is refused.
    if (HostExists(file.Host) && (EntryAttributes(file.Host) & (faReadOnly | faHidden | faSysFile)))
        return ioAccessDenied;
    if (OpenedBy(file.Host, true)) return ioSharingViolation;
    return OpenHandle(file, O_WRONLY | O_CREAT | O_TRUNC, true, handle);
}

// A symbolic link of the host stands for a Windows link or reparse point; O_NOFOLLOW opens none.
int CreatePlainFileForWrite(const std::string& path, bool createNew, FileHandle& handle) {
    handle = NoFile;
    ResolvedPath file;
    if (int refused = OpenRefusal(path, file)) return refused;
    struct stat entry;
    if (lstat(file.Host.c_str(), &entry) == 0) {
        if (createNew) return ioFileExists;
        if (!S_ISREG(entry.st_mode) || entry.st_nlink > 1) return ioAccessDenied;
    }
    if (OpenedBy(file.Host, true)) return ioSharingViolation;
    return OpenHandle(file, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | (createNew ? O_EXCL : 0), true, handle);
}

int ReadProgramFile(std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const int descriptor = open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return ErrnoCode(errno);
    std::uint8_t block[65536];
    ssize_t got;
    while ((got = ::read(descriptor, block, sizeof block)) > 0) bytes.insert(bytes.end(), block, block + got);
    close(descriptor);
    return got < 0 ? ioAccessDenied : ioOK;
}

int OpenFileForRead(const std::string& path, FileHandle& handle) {
    handle = NoFile;
    ResolvedPath file;
    if (int refused = OpenRefusal(path, file)) return refused;
    if (!HostExists(file.Host)) return MissingCode(file.Host);
    return OpenHandle(file, O_RDONLY, false, handle);
}

int WriteFileBytes(FileHandle handle, const std::uint8_t* data, std::size_t count) {
    OpenFile* file = FindOpen(handle);
    if (!file) return ErrorInvalidHandle;
    if (!file->Writing) return ioAccessDenied;
    std::size_t allowed = count;
    InjectedFault fault = FaultFor(file->WindowsPath);
    if (fault.Kind == Fault::DiskFull)
        allowed = std::min<std::uint64_t>(count, fault.AfterBytes - std::min(fault.AfterBytes, file->BytesWritten));
    int code = HoldForWrite(*file, data, allowed);
    if (code != ioOK) return code;
    file->BytesWritten += allowed;
    return allowed < count ? ioDiskFull : ioOK;
}

int ReadFileBytes(FileHandle handle, std::uint8_t* data, std::size_t count, std::size_t& got) {
    got = 0;
    OpenFile* file = FindOpen(handle);
    if (!file) return ErrorInvalidHandle;
    if (file->Writing) return ioAccessDenied;
    WriteAllHeld();
    ssize_t read = ::read(file->Descriptor, data, count);
    if (read < 0) return ErrnoCode(errno);
    got = std::size_t(read);
    return ioOK;
}

int CloseFileHandle(FileHandle handle) {
    OpenFile* file = FindOpen(handle);
    if (!file) return ErrorInvalidHandle;
    int code = WriteHeldAndReport(*file);
    close(file->Descriptor);
    State().OpenFiles.erase(handle);
    return code;
}

int DeleteFileAt(const std::string& path) {
    ResolvedPath file = Resolve(path);
    if (file.Code != ioOK) return file.Code;
    if (int fault = AccessFaultCode(file.Windows)) return fault;
    if (!HostExists(file.Host)) return MissingCode(file.Host);
    if (int code = ChangeCode(file)) return code;
    if (unlink(file.Host.c_str()) != 0) return ErrnoCode(errno);
    ForgetAttributes(file.Host);
    return ioOK;
}

int ReplaceFileWith(const std::string& source, const std::string& target) {
    ResolvedPath from = Resolve(source), to = Resolve(target);
    if (from.Code != ioOK || to.Code != ioOK) return from.Code != ioOK ? from.Code : to.Code;
    if (int fault = AccessFaultCode(from.Windows)) return fault;
    if (int fault = AccessFaultCode(to.Windows)) return fault;
    if (!HostExists(from.Host)) return MissingCode(from.Host);
    if (OpenedBy(from.Host, false)) return ioSharingViolation;
    if (int code = ChangeCode(to)) return code;
    if (std::rename(from.Host.c_str(), to.Host.c_str()) != 0) return ErrnoCode(errno);
    MoveAttributes(from.Host, to.Host);
    return ioOK;
}

int CheckReplaceable(const std::string& path) {
    ResolvedPath file = Resolve(path);
    if (file.Code != ioOK) return ioOK;
    if (int fault = AccessFaultCode(file.Windows)) return fault;
    return HostExists(file.Host) ? ChangeCode(file) : ioOK;
}

} // namespace platform
