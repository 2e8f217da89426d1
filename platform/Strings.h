// Text helpers shared by every layer.
#pragma once

#include <string>

// The letter in lower case if it is one of A to Z; every other character as it is.
char LowerCase(char c);
// Lower case for A to Z only, so the result does not depend on the locale.
std::string LowerCase(std::string text);

// The text without leading and trailing blanks and control characters.
std::string Trim(const std::string& text);

// Untrusted text quoted in a message (file content, a directory name, command-line text):
// every byte outside printable ASCII (blank to tilde) becomes \xNN with two upper-case hex
// digits, so the text adds no line and sends no control sequence. Backslashes stay as they
// are, so paths read as paths. A message box may keep bytes 128 to 255, which it shows as
// letters of the ANSI code page.
enum class THighBytes { Escaped, Kept };
std::string EscapedForMessage(const std::string& text, THighBytes highBytes = THighBytes::Escaped);
