// A write-behind cache per open handle, as an operating system's page cache holds written
// bytes: WriteFileBytes only appends, the host file receives them in large pieces.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/headless/State.h"

namespace platform::headless {

// Takes bytes for the file and writes out the held bytes once enough are held. Returns the
// first host write failure not yet reported for this file, else 0.
int HoldForWrite(OpenFile& file, const std::uint8_t* data, std::size_t count);

// Writes out what the file holds (the hold is empty afterwards) and returns the first host
// write failure not yet reported for this file, else 0.
int WriteHeldAndReport(OpenFile& file);

// Writes out every open file's held bytes, so the host tree shows what the virtual Windows
// reports; failures wait for the next write or close of their handle.
void WriteAllHeld();

} // namespace platform::headless
