// Recursive search of drives and directories for files matching name masks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using TFindProgressEvent = std::function<void(std::uint8_t Percent)>;
using TAcceptFileEvent = std::function<bool(const std::string& Path)>;

// DriveKind selects the drive roots searched:
//   0  the current directory's drive
//   1  fixed drives
//   2  fixed, removable and RAM drives
//   3  as 2, plus network and CD-ROM drives
//   4+ none; only StartDirs
// Masks and StartDirs are lists separated by ";". Returns the full paths found, each once
// (the letter case first found), sorted without regard to case. Either callback may be empty.
std::vector<std::string> FindFiles(const std::string& Masks, std::uint8_t DriveKind, const std::string& StartDirs,
                                   const TFindProgressEvent& OnProgress, const TAcceptFileEvent& OnAcceptFile);
