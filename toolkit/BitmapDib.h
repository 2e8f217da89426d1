// Reading device-independent bitmaps, the pixel format of BMP files and icons.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/Graphics.h"

struct DibImage {
    int Width = 0, Height = 0;
    std::vector<TColor> Pixels; // top row first
    std::vector<bool> Masked; // icons: pixels that the AND mask makes transparent
};

// The DIB at data (a BITMAPINFOHEADER, its colour table, then its bits at bitsOffset from
// data, or right after the table when bitsOffset is 0). With withMask the header's height
// covers the image and its AND mask (as in icons). False if the data is not such a DIB.
bool ReadDib(const unsigned char* data, std::size_t size, std::size_t bitsOffset, bool withMask, DibImage& image);
