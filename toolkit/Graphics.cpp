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
    PixelsChanged();
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
    return pixels_[std::size_t(y) * width_ + x];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[std::size_t(y) * width_ + x] = color;
    PixelsChanged();
}

void TBitmap::Assign(const TBitmap& other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    Transparent = other.Transparent;
    TransparentColorValue = other.TransparentColorValue;
    PixelsChanged();
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

const TFont& TCanvas::DeviceFont() {
    deviceFont_.Assign(Font);
    deviceFont_.SetHeight(scale_.Apply(Font.Height()));
    return deviceFont_;
}

void TCanvas::FillRect(const TRect& rect) {
    DeviceFillRect(scale_.Edges(rect));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const TRect r = scale_.Edges(Rect(x1, y1, x2, y2));
    DeviceRectangle(r.Left, r.Top, r.Right, r.Bottom, scale_.Apply(1));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
    const TRect r = scale_.Edges(Rect(x1, y1, x2, y2));
    DeviceRoundRect(r.Left, r.Top, r.Right, r.Bottom, scale_.Apply(w), scale_.Apply(h), scale_.Apply(1));
}

// At 96 DPI a line is the backend's own; scaled, a line along an axis covers the scaled cells
// of its pixels, so it stays as wide as the scaled pixel and meets what it met.
void TCanvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    penPos_ = {x, y};
    if (scale_.IsIdentity()) {
        DeviceLine(from.X, from.Y, x, y, 1);
    } else if (from.X == x || from.Y == y) {
        FillCells(from.X, from.Y, x, y);
    } else {
        const TPoint a = scale_.Apply(from), b = scale_.Apply(penPos_);
        DeviceLine(a.X, a.Y, b.X, b.Y, scale_.Apply(1));
    }
}

namespace {

// The pixels a line from a to b covers along one axis, its end left out: [from, to).
void Span(int a, int b, int& from, int& to) {
    from = a < b ? a : a == b ? a : b + 1;
    to = a < b ? b : a + 1;
}

} // namespace

void TCanvas::FillCells(int x1, int y1, int x2, int y2) {
    if (Pen.Style == psClear || (x1 == x2 && y1 == y2)) return;
    TRect cells;
    Span(x1, x2, cells.Left, cells.Right);
    Span(y1, y2, cells.Top, cells.Bottom);
    const TBrush brush = Brush;
    Brush = {Pen.Color, bsSolid};
    DeviceFillRect(scale_.Edges(cells));
    Brush = brush;
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    StretchDraw(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

// A picture drawn at its own size is resampled once for the surface's DPI; one that the model
// stretches is stretched by the backend.
void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap) {
    if (bitmap.Empty() || rect.Width() <= 0 || rect.Height() <= 0) return;
    const TRect target = scale_.Edges(rect);
    if (target.Width() == bitmap.Width() && target.Height() == bitmap.Height())
        DeviceDraw(target.Left, target.Top, bitmap);
    else if (rect.Width() == bitmap.Width() && rect.Height() == bitmap.Height())
        DeviceDraw(target.Left, target.Top, bitmap.Resampled(target.Width(), target.Height()));
    else
        DeviceStretchDraw(target, bitmap);
}

TSize TCanvas::TextExtent(const std::string& text) {
    const TSize size = DeviceTextExtent(text);
    return {scale_.UnapplyExtent(size.cx), scale_.UnapplyExtent(size.cy)};
}

int TCanvas::DrawTextRect(const std::string& text, TRect& rect, unsigned flags) {
    TRect onSurface = scale_.Edges(rect);
    const int height = DeviceDrawText(text, onSurface, flags);
    if (flags & dtCalcRect) {
        rect.Right = rect.Left + scale_.UnapplyExtent(onSurface.Width());
        rect.Bottom = rect.Top + scale_.UnapplyExtent(onSurface.Height());
    }
    return scale_.UnapplyExtent(height);
}
