// The width and height of a JPEG picture, read from its frame header without decoding it.
#pragma once

#include <cstddef>

#include "toolkit/Graphics.h"

// False if the data holds no frame header before the picture's data starts.
bool JpegSize(const unsigned char* data, std::size_t size, TSize& pictureSize);
