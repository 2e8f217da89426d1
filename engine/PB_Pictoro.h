// The application image that the installer carries, its block-wise writer, and ForceDir.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "payload/PayloadSize.h" // PayloadSize, the carried application's byte count
#include "platform/Exceptions.h"

constexpr std::int32_t PayloadBlockSize = 1024;

// The carried application cannot be had as the maker built it: the installer is damaged.
class EPayloadDamaged : public Exception {
public:
    EPayloadDamaged() : Exception("The carried application does not decode to its check value") {}
};

// The carried application, PayloadSize bytes: decoded on the first call into one buffer that
// lasts the program's life, and checked against the CRC-32 of the maker's file. Raises
// EPayloadDamaged (on every call) when the stored bytes do not give that image.
const std::uint8_t* PayloadImage();

// Makes the writer write the carried application, decoding it first if no call has yet; raises
// EPayloadDamaged. The runs call it before they write anything.
void PayloadLoad();
// Makes the writer write size bytes at image instead (tests of other sizes); the bytes must
// outlast the write.
void PayloadUse(const std::uint8_t* image, std::int32_t size);

extern std::int32_t PayloadBlockNo; // PayloadWriteBlock calls since PayloadOpen
extern std::int64_t PayloadPosition; // byte positions visited since PayloadOpen

// The bytes go to FileName + PayloadTempSuffix; the closing call of PayloadWriteBlock puts
// that file in place of FileName. A failure removes it and leaves FileName as it was.
inline const std::string PayloadTempSuffix = ".new";

// Resets both counters, then raises EInOutError if FileName cannot be replaced (in use,
// read-only) and otherwise opens the temporary file for writing.
void PayloadOpen(const std::string& FileName);
// Writes the next 1024 bytes, or the rest when fewer are left; the call after the one that
// wrote the last byte closes and replaces the file.
void PayloadWriteBlock();
bool PayloadDone();

// Writes the carried application as Dir + "Pictoro.Exe" (PayloadLoad first, so a damaged
// installer writes nothing), creating Dir if it is missing, and passes PayloadPosition to
// OnBlock after every block.
void WriteApplication(const std::string& Dir, const std::function<void(std::int64_t)>& OnBlock);

// Appends a missing trailing backslash and creates every missing level of Dir, parents
// first. Failures are not reported.
void ForceDir(std::string Dir);
