#include "platform/headless/CodePage.h"

#include <algorithm>
#include <iterator>

namespace platform::headless {

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1. Zero marks an unused byte.
constexpr char16_t High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t ToUnicode(unsigned char byte) {
    if (byte < 0x80 || byte > 0x9F) return byte;
    return High[byte - 0x80] ? High[byte - 0x80] : byte;
}

char ToAnsi(char16_t c) {
    const char16_t* found = std::find(std::begin(High), std::end(High), c);
    if (c != 0 && found != std::end(High)) return char(0x80 + (found - std::begin(High)));
    return c < 0x100 && ToUnicode(static_cast<unsigned char>(c)) == c ? char(c) : '?';
}

} // namespace

std::u16string AnsiToUnicode(const std::string& text) {
    std::u16string wide;
    for (char c : text) wide += ToUnicode(static_cast<unsigned char>(c));
    return wide;
}

std::string UnicodeToAnsi(const std::u16string& text) {
    std::string ansi;
    for (char16_t c : text) ansi += ToAnsi(c);
    return ansi;
}

} // namespace platform::headless
