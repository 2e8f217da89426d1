#include "platform/headless/Masks.h"

#include "platform/Strings.h"
#include "platform/headless/Paths.h"

namespace platform::headless {

namespace {

bool Glob(const char* name, const char* mask) {
    const char* starMask = nullptr;
    const char* starName = nullptr;
    while (*name) {
        if (*mask == '*') {
            starMask = ++mask;
            starName = name;
        } else if (*mask == '?' || *mask == *name) {
            ++mask;
            ++name;
        } else if (starMask) {
            mask = starMask;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*mask == '*') ++mask;
    return *mask == '\0';
}

} // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
    if (mask == "*" || mask == "*.*") return true;
    std::string lowerName = LowerCase(name), lowerMask = LowerCase(mask);
    if (Glob(lowerName.c_str(), lowerMask.c_str())) return true;
    bool anyExtension = lowerMask.size() >= 2 && lowerMask.compare(lowerMask.size() - 2, 2, ".*") == 0;
    return anyExtension && lowerName.find('.') == std::string::npos &&
        Glob(lowerName.c_str(), lowerMask.substr(0, lowerMask.size() - 2).c_str());
}

} // namespace platform::headless
