#include "engine/InstallerCheck.h"

#include <utility>

#include "engine/InstallerCrc.h"
#include "platform/Platform.h"

// Written into the file after the link: volatile, so that the compiler reads what is there.
extern "C" const volatile TInstallerCrcField InstallerCrcValue = InstallerCrcUnset;

bool InstallerIntact() {
    std::vector<std::uint8_t> file;
    if (platform::ReadProgramFile(file) != platform::ioOK) return false;
    // The tag is taken from the value itself: a second copy of it in the program would be found.
    char tag[sizeof TInstallerCrcField::Tag];
    for (std::size_t i = 0; i < sizeof tag; ++i) tag[i] = InstallerCrcValue.Tag[i];
    const std::uint32_t stored = InstallerCrcValue.Crc;
    const auto offset = InstallerCrcOffset(file, tag);
    return stored != 0 && offset && InstallerCrc(std::move(file), *offset) == stored;
}
