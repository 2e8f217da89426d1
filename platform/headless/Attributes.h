// Attributes of host entries as the virtual Windows reports them.
#pragma once

#include <cstdint>
#include <string>

namespace platform::headless {

bool HostExists(const std::string& host);
bool HostIsDirectory(const std::string& host);   // symbolic links followed

// fa* flags: those set with SetAttributes (else faArchive for a file), faDirectory,
// faReparsePoint for a symbolic link, faReadOnly for a file its owner may not write.
std::uint32_t EntryAttributes(const std::string& host);

// The same for an entry just listed, with its dirent type (DT_*): a folder needs no host
// call, a file one, a link or an entry of unknown type two.
std::uint32_t ListedAttributes(const std::string& host, unsigned char type);

void ForgetAttributes(const std::string& host);
void MoveAttributes(const std::string& fromHost, const std::string& toHost);

} // namespace platform::headless
