#include "datafile/DecimalText.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int SignificantDigits = 15;

// A non-negative integer of any size, in base 2^32, least significant word first.
using BigInteger = std::vector<std::uint32_t>;

void Multiply(BigInteger& number, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& word : number) {
        const std::uint64_t product = std::uint64_t(word) * factor + carry;
        word = std::uint32_t(product);
        carry = product >> 32;
    }
    if (carry) number.push_back(std::uint32_t(carry));
}

// Divides by the divisor in place and returns the remainder.
std::uint32_t Divide(BigInteger& number, std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = number.size(); i-- > 0;) {
        const std::uint64_t part = remainder << 32 | number[i];
        number[i] = std::uint32_t(part / divisor);
        remainder = part % divisor;
    }
    while (!number.empty() && number.back() == 0) number.pop_back();
    return std::uint32_t(remainder);
}

std::string DecimalDigits(BigInteger number) {
    std::string reversed;
    while (!number.empty()) {
        std::uint32_t chunk = Divide(number, 1000000000);
        for (int i = 0; i < 9; ++i, chunk /= 10) reversed += char('0' + chunk % 10);
    }
    while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back(); // the last chunk's padding
    return {reversed.rbegin(), reversed.rend()};
}

// The exact digits of a positive finite value and the decimal exponent of the first one.
void ExactDigits(double value, std::string& digits, int& exponent) {
    int binaryExponent = 0;
    const double fraction = std::frexp(value, &binaryExponent); // value = fraction * 2^binaryExponent
    const auto mantissa = std::uint64_t(std::ldexp(fraction, 53));
    binaryExponent -= 53; // value = mantissa * 2^binaryExponent
    BigInteger number{std::uint32_t(mantissa), std::uint32_t(mantissa >> 32)};
    for (int i = 0; i < binaryExponent; ++i) Multiply(number, 2);
    // A negative power of two is the same power of five over a power of ten.
    for (int i = 0; i < -binaryExponent; ++i) Multiply(number, 5);
    digits = DecimalDigits(number);
    exponent = int(digits.size()) - 1 + (binaryExponent < 0 ? binaryExponent : 0);
}

// Cuts the digits to the significant ones, rounding half to even on the exact value.
void Round(std::string& digits, int& exponent) {
    if (int(digits.size()) <= SignificantDigits) return;
    const char next = digits[SignificantDigits];
    const bool restNonZero = digits.find_first_not_of('0', SignificantDigits + 1) != std::string::npos;
    digits.resize(SignificantDigits);
    const bool up = next > '5' || (next == '5' && (restNonZero || (digits.back() - '0') % 2 == 1));
    if (!up) return;
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
    } else {
        ++digits[i - 1];
    }
}

std::string Fixed(const std::string& digits, int exponent) {
    if (exponent < 0) return "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    const std::size_t whole = std::size_t(exponent) + 1;
    if (digits.size() <= whole) return digits + std::string(whole - digits.size(), '0');
    return digits.substr(0, whole) + "." + digits.substr(whole);
}

std::string Scientific(const std::string& digits, int exponent) {
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += exponent < 0 ? "e-" : "e+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) text += '0';
    return text + std::to_string(magnitude);
}

} // namespace

std::string DecimalText(double value) {
    if (std::isnan(value)) return "nan";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return sign + "inf";
    if (value == 0) return sign + "0";
    std::string digits;
    int exponent = 0;
    ExactDigits(std::fabs(value), digits, exponent);
    Round(digits, exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const bool fixed = exponent >= -4 && exponent < SignificantDigits;
    return sign + (fixed ? Fixed(digits, exponent) : Scientific(digits, exponent));
}
