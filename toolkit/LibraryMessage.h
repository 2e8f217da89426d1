// The text of a standard library misuse error whose message comes as a format.
#pragma once

#include <cstdarg>
#include <string>

// Fills in the library's own conversions: %s, %zu and %%; anything else stays as written.
std::string LibraryMessage(const char* format, std::va_list args);
