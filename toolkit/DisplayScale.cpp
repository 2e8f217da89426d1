// The display scale's rounding.
#include "toolkit/Graphics.h"

#include <cstdint>

int MulDivRounded(int number, int numerator, int denominator) {
    const std::int64_t product = std::int64_t(number) * numerator;
    const std::int64_t half = denominator / 2;
    return int((product >= 0 ? product + half : product - half) / denominator);
}

int TScale::Unapply(int pixel) const {
    int x = int(std::int64_t(pixel) * DesignDpi / dpi_);
    while (Apply(x + 1) <= pixel) ++x;
    while (Apply(x) > pixel) --x;
    return x;
}

int TScale::UnapplyExtent(int pixels) const {
    if (pixels <= 0) return pixels;
    int length = int((std::int64_t(pixels) * DesignDpi + dpi_ - 1) / dpi_);
    while (length > 0 && Apply(length - 1) >= pixels) --length;
    while (Apply(length) < pixels) ++length;
    return length;
}
