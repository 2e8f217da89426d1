#pragma once
// The pictures, icons and bitmaps built into the program, found by file name.
#include <cstddef>
#include <string>

struct EmbeddedFile {
    const unsigned char* Data;
    std::size_t Size;
};

// The bytes of the file NAME as it lies in resources/ ("Welcome.jpg", "LBARROW.bmp",
// "Pictoro.ico"); Data null and Size 0 for a name that is not built in. Exact case.
EmbeddedFile EmbeddedResource(const std::string& name);
