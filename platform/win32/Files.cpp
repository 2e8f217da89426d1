#include <windows.h>

#include "platform/Platform.h"

namespace platform {

namespace {

// Windows error codes are the runtime's I/O codes, except that both disk-full codes are 101.
int IOCodeOf(DWORD error) {
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) return ioDiskFull;
    return int(error);
}

int LastIOCode() {
    return IOCodeOf(GetLastError());
}

HANDLE AsHandle(FileHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

int Open(const std::string& path, DWORD access, DWORD sharing, DWORD disposition, FileHandle& handle) {
    HANDLE file = CreateFileA(path.c_str(), access, sharing, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        handle = NoFile;
        return LastIOCode();
    }
    handle = reinterpret_cast<FileHandle>(file);
    return ioOK;
}

DWORD AttributesOf(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

} // namespace

int CreateFileForWrite(const std::string& path, FileHandle& handle) {
    return Open(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS, handle);
}

// FILE_FLAG_OPEN_REPARSE_POINT opens a link itself, never its target; what was opened is
// looked at before anything is written, so an existing file is emptied only once found plain.
int CreatePlainFileForWrite(const std::string& path, bool createNew, FileHandle& handle) {
    handle = NoFile;
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, createNew ? CREATE_NEW : OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastIOCode();
    BY_HANDLE_FILE_INFORMATION information;
    const bool plain = GetFileInformationByHandle(file, &information) &&
        !(information.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) &&
        information.nNumberOfLinks == 1;
    if (!plain || !SetEndOfFile(file)) {
        const int code = plain ? LastIOCode() : ioAccessDenied;
        CloseHandle(file);
        return code;
    }
    handle = reinterpret_cast<FileHandle>(file);
    return ioOK;
}

// By the wide name, which holds any folder the installer was downloaded to.
int ReadProgramFile(std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    wchar_t name[32768];
    const DWORD length = GetModuleFileNameW(nullptr, name, sizeof name / sizeof name[0]);
    if (length == 0 || length >= sizeof name / sizeof name[0]) return ioPathNotFound;
    HANDLE file =
        CreateFileW(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastIOCode();
    LARGE_INTEGER size;
    DWORD read = 0;
    int code = ioOK;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF)
        code = ioAccessDenied;
    else {
        bytes.resize(std::size_t(size.QuadPart));
        if (!ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr))
            code = LastIOCode();
        else if (read != bytes.size())
            code = ioReadBeyondEnd;
    }
    CloseHandle(file);
    return code;
}

int OpenFileForRead(const std::string& path, FileHandle& handle) {
    return Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, handle);
}

int WriteFileBytes(FileHandle handle, const std::uint8_t* data, std::size_t count) {
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle), data, DWORD(count), &written, nullptr)) return LastIOCode();
    return written < count ? ioDiskFull : ioOK;
}

int ReadFileBytes(FileHandle handle, std::uint8_t* data, std::size_t count, std::size_t& got) {
    DWORD read = 0;
    BOOL done = ReadFile(AsHandle(handle), data, DWORD(count), &read, nullptr);
    got = read;
    return done ? ioOK : LastIOCode();
}

int CloseFileHandle(FileHandle handle) {
    return CloseHandle(AsHandle(handle)) ? ioOK : LastIOCode();
}

bool FileExists(const std::string& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDir(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool RemoveDir(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) != 0;
}

int DeleteFileAt(const std::string& path) {
    return DeleteFileA(path.c_str()) ? ioOK : LastIOCode();
}

int ReplaceFileWith(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? ioOK : LastIOCode();
}

// A trial open for writing that shares nothing fails while any other process has the file open.
int CheckReplaceable(const std::string& path) {
    DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return ioOK;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return ioAccessDenied;
    FileHandle handle;
    int code = Open(path, GENERIC_WRITE, 0, OPEN_EXISTING, handle);
    if (code == ioOK) CloseHandle(AsHandle(handle));
    return code;
}

std::string GetCurrentDir() {
    DWORD length = GetCurrentDirectoryA(0, nullptr);
    std::string directory(length, '\0');
    length = GetCurrentDirectoryA(length, directory.data());
    directory.resize(length);
    return directory;
}

std::string GetTempDir() {
    char directory[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof directory, directory);
    return length > 0 && length < sizeof directory ? std::string(directory, length) : std::string();
}

} // namespace platform
