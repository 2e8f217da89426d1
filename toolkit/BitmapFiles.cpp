// TBitmap from BMP files and icons.
#include <algorithm>
#include <unordered_set>

#include "toolkit/BitmapDib.h"
#include "toolkit/Graphics.h"

namespace {

std::uint32_t U16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}
std::uint32_t U32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

// A colour that no pixel of the image has: fuchsia unless the image uses it.
TColor UnusedColor(const std::vector<TColor>& pixels) {
    const std::unordered_set<TColor> used(pixels.begin(), pixels.end());
    TColor candidate = clFuchsia;
    while (used.count(candidate)) --candidate;
    return candidate;
}

} // namespace

bool TBitmap::LoadFromBmp(const unsigned char* data, std::size_t size) {
    if (size < 14 + 40 || data[0] != 'B' || data[1] != 'M') return false;
    const std::size_t bitsOffset = U32(data + 10);
    if (bitsOffset < 14) return false;
    DibImage image;
    if (!ReadDib(data + 14, size - 14, bitsOffset - 14, false, image)) return false;
    width_ = image.Width;
    height_ = image.Height;
    pixels_ = std::move(image.Pixels);
    PixelsChanged();
    return true;
}

bool TBitmap::LoadFromIco(const unsigned char* data, std::size_t size) {
    if (size < 6 + 16 || U16(data) != 0 || U16(data + 2) != 1 || U16(data + 4) == 0) return false;
    const std::size_t length = U32(data + 6 + 8), offset = U32(data + 6 + 12);
    if (offset >= size || length > size - offset) return false;
    DibImage image;
    if (!ReadDib(data + offset, length, 0, true, image)) return false;
    const TColor key = UnusedColor(image.Pixels);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
        if (image.Masked[i]) image.Pixels[i] = key;
    width_ = image.Width;
    height_ = image.Height;
    pixels_ = std::move(image.Pixels);
    PixelsChanged();
    Transparent = true;
    TransparentColorValue = key;
    return true;
}
