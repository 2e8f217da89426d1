// The text packer: frequent fragments of web addresses become two-character marks, then
// every character is coded with one to five 6-bit groups packed into bytes.
#pragma once

#include <array>
#include <optional>
#include <string>

struct TPackEntry {
    const char* Substring;
    char Substitute; // follows the mark character "Q" in place of the substring
};

extern const std::array<TPackEntry, 62> PackDictionary;

std::string PackText(const std::string& text);

// The inverse of PackText; nothing for bytes that PackText cannot have produced.
std::optional<std::string> UnpackText(const std::string& packed);
