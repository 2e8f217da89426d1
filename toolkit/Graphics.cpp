// Colours, fonts, bitmaps and the canvas's line drawing.
#include "toolkit/Graphics.h"

#include <algorithm>

#include "toolkit/Backend.h"

TRect IntersectRects(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

TColor ColorToRGB(TColor color) {
    if (color & clSystemColor) return backend::SystemColor(int(color & 0xFF));
    return color;
}

// ---- TFont ----

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (SameAs(other)) return;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ && style_ == other.style_;
}

void TFont::Changed() {
    if (OnChange) OnChange();
}

// ---- TBitmap ----

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) {
    Assign(other);
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    if (this != &other) Assign(other);
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (width == width_ && height == height_) return;
    std::vector<TColor> pixels(std::size_t(width) * std::size_t(height), clWhite);
    for (int y = 0; y < std::min(height, height_); ++y)
        for (int x = 0; x < std::min(width, width_); ++x)
            pixels[std::size_t(y) * width + x] = pixels_[std::size_t(y) * width_ + x];
    pixels_ = std::move(pixels);
    width_ = width;
    height_ = height;
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
    return pixels_[std::size_t(y) * width_ + x];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[std::size_t(y) * width_ + x] = color;
}

void TBitmap::Assign(const TBitmap& other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    Transparent = other.Transparent;
    TransparentColorValue = other.TransparentColorValue;
}

TColor TBitmap::TransparentColor() const {
    if (TransparentColorValue != clDefault) return TransparentColorValue;
    return Empty() ? clNone : Pixel(0, height_ - 1);
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = backend::CreateBitmapCanvas(*this);
    return *canvas_;
}

// ---- TCanvas ----

void TCanvas::LineTo(int x, int y) {
    DrawLine(penPos_.X, penPos_.Y, x, y);
    penPos_ = {x, y};
}
