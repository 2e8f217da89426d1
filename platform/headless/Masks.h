// File-name masks matched as Windows matches them.
#pragma once

#include <string>

namespace platform::headless {

// "*" any run of characters, "?" one character, case ignored; a mask ending in ".*" also
// matches names without that extension, so "*.*" matches every name.
bool MatchesMask(const std::string& name, const std::string& mask);

} // namespace platform::headless
