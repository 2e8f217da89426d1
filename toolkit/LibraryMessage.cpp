#include "toolkit/LibraryMessage.h"

#include <cstddef>

namespace {

std::string Decimal(std::size_t n) {
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

} // namespace

std::string LibraryMessage(const char* format, std::va_list args) {
    std::string text;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            const char* argument = va_arg(args, const char*);
            text += argument ? argument : "(null)";
            ++p;
        } else if (p[0] == '%' && p[1] == 'z' && p[2] == 'u') {
            text += Decimal(va_arg(args, std::size_t));
            p += 2;
        } else if (p[0] == '%' && p[1] == '%') {
            text += '%';
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}
