#include "platform/Strings.h"

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

char LowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = LowerCase(c);
    return text;
}

std::string Trim(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && IsBlankOrControl(text[first])) ++first;
    while (last > first && IsBlankOrControl(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string EscapedForMessage(const std::string& text, THighBytes highBytes) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= ' ' && b <= '~') || (b >= 128 && highBytes == THighBytes::Kept)) {
            escaped += c;
        } else {
            escaped += "\\x";
            escaped += Digits[b >> 4];
            escaped += Digits[b & 15];
        }
    }
    return escaped;
}
