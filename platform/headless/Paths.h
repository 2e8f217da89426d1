// Windows paths of the virtual Windows resolved to host paths.
#pragma once

#include <string>

namespace platform::headless {

struct ResolvedPath {
    int Code = 0; // an I/O code: 0, or why the path cannot name a file
    std::string Host; // the host path
    std::string Windows; // the absolute Windows path, e.g. "C:\\Dir\\File.txt"
};

// Existing components are matched without regard to case (an exact match preferred),
// missing ones appended as given; "." and ".." are applied, relative paths start at the
// current directory. Bytes still held for open files are written out first, so whatever
// looks at the host tree by path sees every byte written so far.
ResolvedPath Resolve(const std::string& windowsPath);

// The absolute form of a Windows path, with no trailing backslash except at a root.
std::string AbsoluteWindowsPath(const std::string& windowsPath);

} // namespace platform::headless
