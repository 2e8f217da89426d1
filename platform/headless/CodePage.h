// The ANSI code page of the virtual Windows: Windows-1252.
#pragma once

#include <string>

namespace platform::headless {

std::u16string AnsiToUnicode(const std::string& text);
std::string UnicodeToAnsi(const std::u16string& text); // "?" for characters it lacks

} // namespace platform::headless
