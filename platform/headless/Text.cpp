#include "platform/Platform.h"

#include <tuple>

#include "platform/Strings.h"

namespace platform {

namespace {

// The kind of a character in the sort order, then its code with letters in lower case.
std::tuple<int, unsigned char> SortKey(char c) {
    const auto code = static_cast<unsigned char>(LowerCase(c));
    if (c == '-' || c == '\'') return {0, code};
    if (code >= '0' && code <= '9') return {2, code};
    if (code >= 'a' && code <= 'z') return {3, code};
    return {code < 0x80 ? 1 : 4, code};
}

} // namespace

int AnsiCompareText(const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto ka = SortKey(a[i]), kb = SortKey(b[i]);
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace platform
