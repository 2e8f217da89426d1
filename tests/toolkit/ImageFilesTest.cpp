// Pictures in and out: JPEG, BMP and icon decoding, PNG writing.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "resources/Embedded.h"
#include "toolkit/Graphics.h"
#include "toolkit/JpegSize.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, unsigned v) {
    b.insert(b.end(), {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)});
}
void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

void PutInfoHeader(Bytes& b, int width, int height, int bits, int colours) {
    Put32(b, 40);
    Put32(b, std::uint32_t(width));
    Put32(b, std::uint32_t(height));
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, colours);
    Put32(b, 0);
}

Bytes EncodeJpeg(int width, int height, unsigned char r, unsigned char g, unsigned char bl) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[x * 3] = r;
        row[x * 3 + 1] = g;
        row[x * 3 + 2] = bl;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(out, out + size);
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

bool Near(TColor a, TColor b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 3 && std::abs(GetGValue(a) - GetGValue(b)) <= 3 &&
        std::abs(GetBValue(a) - GetBValue(b)) <= 3;
}

TEST(ImageFiles, JpegDecodesToItsSizeAndColours) {
    const Bytes jpeg = EncodeJpeg(12, 7, 0xA6, 0xCA, 0xF0);
    TBitmap b;
    ASSERT_TRUE(b.LoadFromJpeg(jpeg.data(), jpeg.size()));
    EXPECT_EQ(b.Width(), 12);
    EXPECT_EQ(b.Height(), 7);
    EXPECT_TRUE(Near(b.Pixel(5, 3), clSkyBlue)) << std::hex << b.Pixel(5, 3);
}

TEST(ImageFiles, BrokenJpegIsRefusedAndLeavesTheBitmap) {
    TBitmap b(2, 2);
    const unsigned char junk[] = {1, 2, 3, 4, 5};
    EXPECT_FALSE(b.LoadFromJpeg(junk, sizeof junk));
    EXPECT_FALSE(b.LoadFromJpeg(nullptr, 0));
    EXPECT_EQ(b.Width(), 2);
}

// Auto-sized images take their size from the frame header before the picture is decoded.
TEST(ImageFiles, JpegFrameHeaderGivesTheDecodedSize) {
    std::vector<Bytes> pictures = {EncodeJpeg(12, 7, 0, 0, 0)};
    for (const char* name : {"Welcome.jpg", "Disclaimer.jpg", "Install.jpg", "ChooseDir.jpg", "Connection.jpg",
                             "InstallGo.jpg", "UpgradeReady.jpg", "UpgradeFindDir.jpg"}) {
        const EmbeddedFile file = EmbeddedResource(name);
        pictures.emplace_back(file.Data, file.Data + file.Size);
    }
    for (const Bytes& jpeg : pictures) {
        TBitmap decoded;
        ASSERT_TRUE(decoded.LoadFromJpeg(jpeg.data(), jpeg.size()));
        TSize size;
        ASSERT_TRUE(JpegSize(jpeg.data(), jpeg.size(), size));
        EXPECT_EQ(size, (TSize{decoded.Width(), decoded.Height()}));
    }
    const Bytes whole = pictures.front();
    TSize size;
    EXPECT_FALSE(JpegSize(whole.data(), 20, size)) << "cut before the frame header";
    const unsigned char noFrame[] = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02};
    EXPECT_FALSE(JpegSize(noFrame, sizeof noFrame, size));
    const unsigned char junk[] = {1, 2, 3, 4, 5};
    EXPECT_FALSE(JpegSize(junk, sizeof junk, size));
}

TEST(ImageFiles, Bmp24BitBottomUpWithRowPadding) {
    Bytes bmp = {'B', 'M'};
    Put32(bmp, 0);
    Put32(bmp, 0);
    Put32(bmp, 54);
    PutInfoHeader(bmp, 3, 2, 24, 0);
    // bottom row first: blue, green, red; then top row: white, black, navy; 3 bytes padding each
    bmp.insert(bmp.end(), {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0});
    bmp.insert(bmp.end(), {0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0, 0, 0, 0, 0});
    TBitmap b;
    ASSERT_TRUE(b.LoadFromBmp(bmp.data(), bmp.size()));
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixel(0, 1), clBlue);
    EXPECT_EQ(b.Pixel(2, 1), clRed);
    EXPECT_EQ(b.Pixel(0, 0), clWhite);
    EXPECT_EQ(b.Pixel(2, 0), clNavy);
    EXPECT_EQ(b.TransparentColor(), clBlue); // the bottom-left pixel
    bmp.resize(bmp.size() - 4);
    EXPECT_FALSE(TBitmap().LoadFromBmp(bmp.data(), bmp.size()));
}

TEST(ImageFiles, Bmp4BitUsesItsColourTable) {
    Bytes bmp = {'B', 'M'};
    Put32(bmp, 0);
    Put32(bmp, 0);
    Put32(bmp, 54 + 16 * 4);
    PutInfoHeader(bmp, 5, 1, 4, 16);
    for (int i = 0; i < 16; ++i) Put32(bmp, i == 1 ? 0x000000 : 0xFFFFFF); // 1 black, the rest white
    bmp.insert(bmp.end(), {0x11, 0x01, 0x00, 0x00}); // black x3, white x2
    TBitmap b;
    ASSERT_TRUE(b.LoadFromBmp(bmp.data(), bmp.size()));
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
    EXPECT_EQ(b.Pixel(1, 0), clBlack);
    EXPECT_EQ(b.Pixel(2, 0), clWhite);
    EXPECT_EQ(b.Pixel(3, 0), clBlack);
    EXPECT_EQ(b.Pixel(4, 0), clWhite);
}

// A 32 x 32, 16-colour icon: colour 1 everywhere, the AND mask hiding the left half.
Bytes MakeIcon(std::uint32_t colour1) {
    Bytes ico;
    Put16(ico, 0);
    Put16(ico, 1);
    Put16(ico, 1);
    const std::uint32_t size = 40 + 16 * 4 + 32 * 16 + 32 * 4;
    ico.insert(ico.end(), {32, 32, 16, 0});
    Put16(ico, 1);
    Put16(ico, 4);
    Put32(ico, size);
    Put32(ico, 22);
    PutInfoHeader(ico, 32, 64, 4, 16);
    for (int i = 0; i < 16; ++i) Put32(ico, i == 1 ? colour1 : 0);
    for (int i = 0; i < 32 * 16; ++i) ico.push_back(0x11);
    for (int y = 0; y < 32; ++y) ico.insert(ico.end(), {0xFF, 0xFF, 0x00, 0x00});
    return ico;
}

TEST(ImageFiles, IconMaskBecomesAnUnusedTransparentColour) {
    const Bytes ico = MakeIcon(0x00FF00FF); // fuchsia (BGR order in the table)
    TBitmap b;
    ASSERT_TRUE(b.LoadFromIco(ico.data(), ico.size()));
    EXPECT_EQ(b.Width(), 32);
    EXPECT_EQ(b.Height(), 32);
    EXPECT_TRUE(b.Transparent);
    EXPECT_EQ(b.Pixel(31, 0), clFuchsia);
    EXPECT_NE(b.TransparentColor(), clFuchsia);
    EXPECT_EQ(b.Pixel(0, 0), b.TransparentColor());
    EXPECT_EQ(b.Pixel(15, 31), b.TransparentColor());
    EXPECT_NE(b.Pixel(16, 31), b.TransparentColor());
    TBitmap target(32, 32);
    target.Canvas().Draw(0, 0, b);
    EXPECT_EQ(target.Pixel(0, 0), clWhite);
    EXPECT_EQ(target.Pixel(20, 5), clFuchsia);
}

TEST(ImageFiles, IconHeaderIsChecked) {
    Bytes ico = MakeIcon(0);
    ico[2] = 2; // a cursor, not an icon
    EXPECT_FALSE(TBitmap().LoadFromIco(ico.data(), ico.size()));
}

std::uint32_t BigEndian(const Bytes& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

TEST(ImageFiles, PngHoldsTheSizeAndThePixelsInStoredBlocks) {
    TBitmap b(3, 2);
    b.SetPixel(0, 0, clRed);
    b.SetPixel(2, 1, RGBColor(1, 2, 3));
    const auto path = std::filesystem::path(::testing::TempDir()) / "toolkit-roundtrip.png";
    ASSERT_TRUE(headless::SaveToPng(b, path.string()));
    std::ifstream in(path, std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    ASSERT_GT(file.size(), 33u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(std::string(file.begin() + 12, file.begin() + 16), "IHDR");
    EXPECT_EQ(BigEndian(file, 16), 3u);
    EXPECT_EQ(BigEndian(file, 20), 2u);
    EXPECT_EQ(file[24], 8);
    EXPECT_EQ(file[25], 2);
    // IDAT: zlib header, one final stored block of 2 rows x (1 + 3 x 3) bytes
    const std::size_t idat = 33;
    EXPECT_EQ(std::string(file.begin() + idat + 4, file.begin() + idat + 8), "IDAT");
    const std::size_t z = idat + 8;
    EXPECT_EQ(file[z + 2], 1);
    EXPECT_EQ(file[z + 3] | (file[z + 4] << 8), 20);
    EXPECT_EQ((file[z + 5] | (file[z + 6] << 8)) ^ 0xFFFF, 20);
    const Bytes raw(file.begin() + z + 7, file.begin() + z + 27);
    EXPECT_EQ(raw[0], 0);
    EXPECT_EQ(Bytes(raw.begin() + 1, raw.begin() + 4), (Bytes{0xFF, 0, 0}));
    EXPECT_EQ(Bytes(raw.begin() + 17, raw.begin() + 20), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::string(file.end() - 8, file.end() - 4), "IEND");
}

} // namespace
