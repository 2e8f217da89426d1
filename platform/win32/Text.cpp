#include "platform/Platform.h"

#include <windows.h>

namespace platform {

int AnsiCompareText(const std::string& a, const std::string& b) {
    // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER are 1, 2 and 3.
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(), int(b.size())) -
        CSTR_EQUAL;
}

} // namespace platform
