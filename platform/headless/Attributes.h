// Attributes of host entries as the virtual Windows reports them.
#pragma once

#include <dirent.h>

#include <cstdint>
#include <string>

namespace platform::headless {

bool HostExists(const std::string& host);
bool HostIsDirectory(const std::string& host); // symbolic links followed

// fa* flags: those set with SetAttributes (else faArchive for a file), faDirectory, and
// faReparsePoint for a symbolic link. The host's permission bits play no part.
std::uint32_t EntryAttributes(const std::string& host);

// The same for an entry just read from a host directory: a folder or a file needs no host
// call, a link or an entry of unknown type two.
std::uint32_t ListedAttributes(const std::string& directoryHost, const dirent& entry);

void ForgetAttributes(const std::string& host);
void MoveAttributes(const std::string& fromHost, const std::string& toHost);

} // namespace platform::headless
