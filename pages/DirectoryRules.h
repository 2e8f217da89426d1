// What the two directory pages propose and refuse, without their controls: the wizard's
// pages and the silent installation both go by these rules.
#pragma once

#include <cstdint>
#include <string>

inline const std::string InstallFolderWord = "Pictoro";
inline const std::string DownloadFolderWord = "Images";
// Where the download page's list stands on the first visit.
inline const std::string DownloadListStart = "C:\\";

// The change rule: the directory with a trailing backslash, and the folder word and a
// backslash appended unless the path contains the word anywhere (case ignored).
std::string ProposeDirectory(const std::string& directory, const std::string& folderWord);

// Where the installation page's list stands on the first visit: the program-files folder
// the shell gives for the owner window, or C:\Pictoro when the shell gives none.
std::string InstallListStart(std::uintptr_t ownerWindow);

// The text trimmed; one shorter than 3 characters is refused with "Invalid directory".
std::string CheckedDirectory(const std::string& text);

// As CheckedDirectory, and refused alike unless absolute: X:\... or \\server\share\... A
// directory of the command line must not depend on the folder a deployment tool starts in.
std::string CheckedAbsoluteDirectory(const std::string& text);

// The directory with a trailing backslash.
std::string WithTrailingBackslash(std::string directory);

// Refuses an installation directory (ending in a backslash) that holds Pictoro.Dat.
void RefuseExistingInstallation(const std::string& installDir);
