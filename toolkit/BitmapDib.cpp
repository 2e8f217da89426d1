// Uncompressed DIBs of 1, 4, 8, 24 and 32 bits per pixel, bottom-up or top-down.
#include "toolkit/BitmapDib.h"

#include <cstdlib>

namespace {

std::uint32_t U16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}
std::uint32_t U32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

TColor FromBgr(const unsigned char* p) {
    return RGBColor(p[2], p[1], p[0]);
}

std::size_t Stride(int width, int bits) {
    return ((std::size_t(width) * bits + 31) / 32) * 4;
}

// The index of pixel x in a row of 1, 4 or 8 bits per pixel.
unsigned IndexAt(const unsigned char* row, int x, int bits) {
    const std::size_t bit = std::size_t(x) * bits;
    const unsigned byte = row[bit / 8];
    return (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
}

} // namespace

bool ReadDib(const unsigned char* data, std::size_t size, std::size_t bitsOffset, bool withMask, DibImage& image) {
    if (size < 40) return false;
    const std::uint32_t headerSize = U32(data);
    const std::int32_t width = std::int32_t(U32(data + 4));
    std::int32_t height = std::int32_t(U32(data + 8));
    const int bits = int(U16(data + 14));
    const std::uint32_t compression = U32(data + 16);
    std::uint32_t colours = U32(data + 32);
    if (headerSize < 40 || headerSize > size || width <= 0 || height == 0 || width > 32768) return false;
    if (compression != 0 && !(compression == 3 && bits == 32)) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    const bool bottomUp = height > 0;
    height = std::abs(height);
    if (withMask) height /= 2;
    if (height <= 0 || height > 32768) return false;
    if (bits <= 8 && colours == 0) colours = 1u << bits;
    if (bits > 8) colours = 0;
    const std::size_t table = headerSize + (compression == 3 ? 12 : 0);
    if (table + std::size_t(colours) * 4 > size) return false;
    if (bitsOffset == 0) bitsOffset = table + std::size_t(colours) * 4;
    const std::size_t stride = Stride(width, bits), maskStride = Stride(width, 1);
    const std::size_t needed = bitsOffset + stride * height + (withMask ? maskStride * height : 0);
    if (needed > size) return false;

    image.Width = width;
    image.Height = height;
    image.Pixels.assign(std::size_t(width) * height, clBlack);
    image.Masked.assign(std::size_t(width) * height, false);
    for (int y = 0; y < height; ++y) {
        const int fileRow = bottomUp ? height - 1 - y : y;
        const unsigned char* row = data + bitsOffset + stride * fileRow;
        const unsigned char* mask = data + bitsOffset + stride * height + maskStride * fileRow;
        for (int x = 0; x < width; ++x) {
            TColor c;
            if (bits <= 8) {
                const unsigned index = IndexAt(row, x, bits);
                c = index < colours ? FromBgr(data + table + index * 4) : clBlack;
            } else {
                c = FromBgr(row + std::size_t(x) * (bits / 8));
            }
            image.Pixels[std::size_t(y) * width + x] = c;
            if (withMask) image.Masked[std::size_t(y) * width + x] = IndexAt(mask, x, 1) != 0;
        }
    }
    return true;
}
