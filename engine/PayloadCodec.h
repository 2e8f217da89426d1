// How the build stores the carried application: an x86 branch filter (the relative targets of
// call and jump instructions made absolute, so that calls of one function look alike), then
// LZMA. The host tool payload-pack filters; xz compresses; the installer decodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The filter and its inverse, in place. Any bytes go through both unchanged in size, and
// decoding the encoded bytes gives the original.
void BranchFilterEncode(std::uint8_t* bytes, std::size_t size);
void BranchFilterDecode(std::uint8_t* bytes, std::size_t size);

// The stored stream decoded into one buffer of exactly size bytes, the filter undone; empty when
// the stream is damaged, cut short, or does not give exactly size bytes.
std::vector<std::uint8_t> DecodeStoredImage(const std::uint8_t* stored, std::size_t storedSize, std::size_t size);
