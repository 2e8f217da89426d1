#include "toolkit/JpegSize.h"

namespace {

unsigned BigEndian16(const unsigned char* p) {
    return unsigned(p[0]) << 8 | p[1];
}

// Start-of-frame markers: 0xC0 to 0xCF but for DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameHeader(unsigned char marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

// Walks the marker segments after SOI: each is FF, the marker, a two-byte length that
// counts itself, then its content; a frame header's content is precision, height, width.
bool JpegSize(const unsigned char* data, std::size_t size, TSize& pictureSize) {
    if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
    std::size_t at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF) return false;
        const unsigned char marker = data[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) return false; // picture data or end: no frame header
        const std::size_t length = BigEndian16(data + at + 2);
        if (length < 2 || at + 2 + length > size) return false;
        if (IsFrameHeader(marker)) {
            if (length < 7) return false;
            const unsigned height = BigEndian16(data + at + 5), width = BigEndian16(data + at + 7);
            if (width == 0 || height == 0) return false;
            pictureSize = {int(width), int(height)};
            return true;
        }
        at += 2 + length;
    }
    return false;
}
