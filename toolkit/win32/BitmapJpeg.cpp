// TBitmap from JPEG data through the picture loader of OLE Automation (oleaut32, loaded when
// the first picture is decoded).
#include "platform/win32/SystemLibrary.h"
#include "toolkit/win32/Win32Common.h"

#include <cstring>

#include <ocidl.h>
#include <olectl.h>

namespace {

bool StartsAsJpeg(const unsigned char* data, std::size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

// The data in a stream of its own; null if there is no memory for it.
IStream* StreamOf(const unsigned char* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    return stream;
}

IPicture* LoadPicture(const unsigned char* data, std::size_t size) {
    static const auto loadPicture =
        platform::SystemFunction<decltype(&::OleLoadPicture)>("oleaut32.dll", "OleLoadPicture");
    if (!loadPicture) return nullptr;
    IStream* stream = StreamOf(data, size);
    if (!stream) return nullptr;
    IPicture* picture = nullptr;
    const HRESULT loaded =
        loadPicture(stream, LONG(size), FALSE, __uuidof(IPicture), reinterpret_cast<void**>(&picture));
    stream->Release();
    return SUCCEEDED(loaded) ? picture : nullptr;
}

// The picture's bitmap as top-down 32-bit BGRX rows; false if it is no bitmap.
bool ReadPixels(IPicture* picture, int& width, int& height, std::vector<RGBQUAD>& pixels) {
    short type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)))
        return false;
    const HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP info{};
    if (!GetObject(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    pixels.resize(std::size_t(width) * height);
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, UINT(height), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == height;
}

} // namespace

bool TBitmap::LoadFromJpeg(const unsigned char* data, std::size_t size) {
    if (!data || !StartsAsJpeg(data, size)) return false;
    IPicture* picture = LoadPicture(data, size);
    if (!picture) return false;
    int width = 0, height = 0;
    std::vector<RGBQUAD> bgr;
    const bool read = ReadPixels(picture, width, height, bgr);
    picture->Release();
    if (!read) return false;
    width_ = width;
    height_ = height;
    pixels_.resize(bgr.size());
    for (std::size_t i = 0; i < bgr.size(); ++i) pixels_[i] = RGBColor(bgr[i].rgbRed, bgr[i].rgbGreen, bgr[i].rgbBlue);
    PixelsChanged();
    return true;
}
