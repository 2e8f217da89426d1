// Text helpers shared by every layer.
#pragma once

#include <string>

// The letter in lower case if it is one of A to Z; every other character as it is.
char LowerCase(char c);
// Lower case for A to Z only, so the result does not depend on the locale.
std::string LowerCase(std::string text);

// The text without leading and trailing blanks and control characters.
std::string Trim(const std::string& text);
