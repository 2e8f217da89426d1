// The upgrade run without its page: Pictoro.Exe rewritten in the installation directory,
// nothing else touched.
#pragma once

#include <cstdint>
#include <string>

#include "engine/PB_Pictoro.h"
#include "engine/RunProgress.h"

constexpr std::uint32_t UpgradeRunMaximum = PayloadSize;

// Positions: every payload block (the last one is UpgradeRunMaximum + 1), then the maximum
// once more. Creates a missing InstallDir; EPayloadDamaged (before anything is written) and
// I/O failures pass on.
void RunUpgrade(const std::string& InstallDir, const TRunProgressEvent& OnProgress);
