// Host files seen through the headless platform: the tool maps a drive to the host's root.
#pragma once

#include <string>

// Maps the drive; call once before the first file operation.
void MapHostRoot();

// The Windows path on the mapped drive that stands for a host path (relative or absolute).
std::string WindowsPathFor(const std::string& hostPath);
