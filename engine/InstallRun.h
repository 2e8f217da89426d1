// The installation run without its page: Pictoro.Exe, the start-menu folder with its links,
// the desktop link if chosen, then Pictoro.Dat, reporting progress positions on the way.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "datafile/PB_Pictoro_DAT.h"
#include "engine/PB_Pictoro.h"
#include "engine/RunProgress.h"

struct TInstallSettings {
    TWizardChoices Choices; // InstallDir ends in a backslash
    bool DesktopShortcut = false;
    std::uintptr_t ShellOwner = 0; // the window that owns the requests for the shell's folders
};

// The payload plus a thirtieth for the steps after the executable.
constexpr std::uint32_t InstallRunMaximumOf(std::int32_t payloadSize) {
    return std::uint32_t(payloadSize + payloadSize / 30);
}
constexpr std::uint32_t InstallRunMaximum = InstallRunMaximumOf(PayloadSize);

// maximum / 100.0 * percent, rounded to the nearest whole number, a tie to the even one.
std::uint32_t PercentOf(std::uint32_t maximum, int percent);

// What a run has just done, with the directory or file it did it to.
enum class TInstallStep { DirectoryCreated, ApplicationWritten, LinkSaved, DataFileWritten };
using TInstallStepEvent = std::function<void(TInstallStep Step, const std::string& Path)>;

// Positions run up to InstallRunMaximum: every payload block, then 96 % after the start-menu
// links, 98 % after the desktop step, twice 99 % during the data file. EPayloadDamaged comes
// before anything is written. Failures (I/O, the link object) pass on; the steps after the failing one are not carried out. OnStep, if
// given, hears of every step done. A link counts as saved once the shell was asked to save
// it: whether the file is there is the caller's to look at.
void RunInstallation(const TInstallSettings& settings, const TRunProgressEvent& OnProgress,
                     const TInstallStepEvent& OnStep = nullptr);
