// The application image that the installer carries, its block-wise writer, and ForceDir.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

constexpr std::int32_t PayloadSize = 2495488; // exactly 2,437 blocks
constexpr std::int32_t PayloadBlockSize = 1024;

// The image as constant data linked in from payload/; PayloadImage[0] is its first byte.
extern "C" const std::uint8_t PayloadImage[PayloadSize];

extern std::int32_t PayloadBlockNo; // PayloadWriteBlock calls since PayloadOpen
extern std::int64_t PayloadPosition; // byte positions visited since PayloadOpen

// The bytes go to FileName + PayloadTempSuffix; the closing call of PayloadWriteBlock puts
// that file in place of FileName. A failure removes it and leaves FileName as it was.
inline const std::string PayloadTempSuffix = ".new";

// Resets both counters, then raises EInOutError if FileName cannot be replaced (in use,
// read-only) and otherwise opens the temporary file for writing.
void PayloadOpen(const std::string& FileName);
// Writes the next 1024 bytes; the call after the last block closes and replaces the file.
void PayloadWriteBlock();
bool PayloadDone();

// Writes the image as Dir + "Pictoro.Exe", creating Dir first if it is missing, and passes
// PayloadPosition to OnBlock after every block.
void WriteApplication(const std::string& Dir, const std::function<void(std::int64_t)>& OnBlock);

// Appends a missing trailing backslash and creates every missing level of Dir, parents
// first. Failures are not reported.
void ForceDir(std::string Dir);
