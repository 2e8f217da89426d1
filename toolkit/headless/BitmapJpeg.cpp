// TBitmap from JPEG data through libjpeg.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "toolkit/Graphics.h"

namespace {

struct ErrorTrap {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

[[noreturn]] void Fail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->Jump, 1);
}

void Quiet(j_common_ptr) {}

// Decodes into rgb (3 bytes a pixel); false on any libjpeg error. Only trivially
// destructible state lives between setjmp and the calls that may jump.
bool Decode(const unsigned char* data, std::size_t size, int& width, int& height, std::vector<unsigned char>& rgb) {
    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.Manager);
    trap.Manager.error_exit = Fail;
    trap.Manager.output_message = Quiet;
    if (setjmp(trap.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = int(info.output_width);
    height = int(info.output_height);
    rgb.resize(std::size_t(width) * height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + std::size_t(info.output_scanline) * width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

bool TBitmap::LoadFromJpeg(const unsigned char* data, std::size_t size) {
    if (!data || size == 0) return false;
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    if (!Decode(data, size, width, height, rgb)) return false;
    width_ = width;
    height_ = height;
    pixels_.resize(std::size_t(width) * height);
    for (std::size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = RGBColor(rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]);
    PixelsChanged();
    return true;
}
