// Colours, fonts, pens, brushes, bitmaps and the canvas that everything paints through.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// ---- Colours: 0x00BBGGRR, system colours 0x800000nn (nn = the system colour index) ----
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// Resolves system colours to red, green and blue (the backend knows the system's colours).
TColor ColorToRGB(TColor color);
constexpr std::uint8_t GetRValue(TColor c) {
    return c & 0xFF;
}
constexpr std::uint8_t GetGValue(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t GetBValue(TColor c) {
    return (c >> 16) & 0xFF;
}
constexpr TColor RGBColor(int r, int g, int b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

// ---- Geometry ----
struct TPoint {
    int X = 0, Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};
struct TSize {
    int cx = 0, cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};
inline TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
// The part that both rectangles cover; empty (but placed) when they do not meet.
TRect IntersectRects(const TRect& a, const TRect& b);

// ---- Display scale ----
// The model's lengths are pixels at 96 DPI; a window at another DPI shows each of them
// multiplied by DPI/96 and rounded as MulDiv rounds (half away from zero). A control's place
// scales its origin and its size; a drawing scales each coordinate.
constexpr int DesignDpi = 96;

// number * numerator / denominator, rounded to the nearest integer, halves away from zero.
int MulDivRounded(int number, int numerator, int denominator);

class TScale {
public:
    explicit TScale(int dpi = DesignDpi) : dpi_(dpi > 0 ? dpi : DesignDpi) {}
    int Dpi() const { return dpi_; }
    bool IsIdentity() const { return dpi_ == DesignDpi; }

    int Apply(int length) const { return MulDivRounded(length, dpi_, DesignDpi); }
    TPoint Apply(TPoint p) const { return {Apply(p.X), Apply(p.Y)}; }
    TRect Edges(const TRect& r) const { return {Apply(r.Left), Apply(r.Top), Apply(r.Right), Apply(r.Bottom)}; }
    TRect Bounds(const TRect& r) const {
        return ::Bounds(Apply(r.Left), Apply(r.Top), Apply(r.Width()), Apply(r.Height()));
    }
    // The model coordinate whose scaled pixel cell holds the pixel.
    int Unapply(int pixel) const;
    TPoint Unapply(TPoint p) const { return {Unapply(p.X), Unapply(p.Y)}; }
    // The shortest model length that scales to at least this many pixels.
    int UnapplyExtent(int pixels) const;

    friend bool operator==(const TScale&, const TScale&) = default;

private:
    int dpi_;
};

// ---- Fonts, pens, brushes ----
using TFontStyles = std::uint8_t;
constexpr TFontStyles fsBold = 1;
constexpr TFontStyles fsItalic = 2;
constexpr TFontStyles fsUnderline = 4;
constexpr TFontStyles fsStrikeOut = 8;

// A font by name, height and style. Negative heights are character heights in pixels
// (-11 is 8 points at 96 dpi), positive heights cell heights. OnChange fires on each change.
class TFont {
public:
    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    TColor Color() const { return color_; }
    TFontStyles Style() const { return style_; }
    void SetName(const std::string& name);
    void SetHeight(int height);
    void SetColor(TColor color);
    void SetStyle(TFontStyles style);
    void Assign(const TFont& other); // copies name, height, colour and style
    bool SameAs(const TFont& other) const;
    std::function<void()> OnChange;

private:
    void Changed();
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
};

enum TPenStyle { psSolid, psClear };
struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
};

enum TBrushStyle { bsSolid, bsClear };
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// ---- Text output flags (the values of DrawTextA's flags) ----
constexpr unsigned dtLeft = 0x0000;
constexpr unsigned dtCenter = 0x0001;
constexpr unsigned dtRight = 0x0002;
constexpr unsigned dtVCenter = 0x0004;
constexpr unsigned dtBottom = 0x0008;
constexpr unsigned dtWordBreak = 0x0010;
constexpr unsigned dtSingleLine = 0x0020;
constexpr unsigned dtNoClip = 0x0100;
constexpr unsigned dtCalcRect = 0x0400;
constexpr unsigned dtNoPrefix = 0x0800;

class TCanvas;

// A bitmap in memory: 32-bit pixels holding TColor values (0x00BBGGRR). With Transparent
// on, drawing it leaves out the pixels of TransparentColor() (the bottom-left pixel's colour
// unless TransparentColorValue is set).
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap();

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    void SetSize(int width, int height); // keeps the pixels that stay inside, new ones white
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    const std::vector<TColor>& Pixels() const { return pixels_; }
    void Assign(const TBitmap& other);

    bool Transparent = false;
    TColor TransparentColorValue = clDefault; // clDefault: take the bottom-left pixel
    TColor TransparentColor() const;

    // A canvas that paints into this bitmap, made by the backend.
    TCanvas& Canvas();

    bool LoadFromJpeg(const unsigned char* data, std::size_t size); // false if it cannot be decoded
    bool LoadFromBmp(const unsigned char* data, std::size_t size); // 1, 4, 8, 24 and 32 bpp, uncompressed
    bool LoadFromIco(const unsigned char* data, std::size_t size); // the first image; its mask makes it transparent

    // The picture at another size, each pixel the mean of the area it covers (with Transparent,
    // of the opaque part, and transparent where that is less than half). Made once, kept until
    // the pixels change or another size is asked for.
    const TBitmap& Resampled(int width, int height) const;

private:
    void PixelsChanged() { resampled_.reset(); }
    int width_ = 0, height_ = 0;
    std::vector<TColor> pixels_;
    std::unique_ptr<TCanvas> canvas_;
    mutable std::unique_ptr<TBitmap> resampled_;
};

// The canvas. Coordinates are relative to the origin that the owner of the canvas set (a
// window-less control paints in its own coordinates); output is clipped to the clip
// rectangle. Lines leave out their end point; Rectangle, RoundRect and FillRect cover
// [left, right) x [top, bottom) as GDI does; outlines are 1 px wide. Coordinates, lengths and
// font heights are the model's 96-DPI ones: the canvas scales them to its surface's DPI, and
// measures text in the surface's pixels, rounded up to the model's.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    const TScale& Scale() const { return scale_; }
    void SetScale(const TScale& scale) { scale_ = scale; }

    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }

    void FillRect(const TRect& rect); // brush only
    void Rectangle(int x1, int y1, int x2, int y2); // pen outline, brush inside
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
    void Draw(int x, int y, const TBitmap& bitmap); // honours bitmap.Transparent
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);

    TSize TextExtent(const std::string& text); // one line, '&' counted as a character
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    // DrawTextA: with dtCalcRect measures (rect's right and bottom are set) and draws nothing;
    // otherwise draws with a transparent background. '&' marks the next character as the
    // underlined access key unless dtNoPrefix ("&&" is a literal '&'). Returns the text height.
    int DrawTextRect(const std::string& text, TRect& rect, unsigned flags);

    // Set by the framework around painting, in the surface's pixels: where (0,0) lies on the
    // surface, and the clip.
    virtual void SetViewport(TPoint origin, const TRect& clipOnSurface) = 0;

protected:
    // The backend's drawing, in the surface's pixels; the font is DeviceFont().
    virtual void DeviceFillRect(const TRect& rect) = 0;
    virtual void DeviceRectangle(int x1, int y1, int x2, int y2, int penWidth) = 0;
    virtual void DeviceRoundRect(int x1, int y1, int x2, int y2, int w, int h, int penWidth) = 0;
    virtual void DeviceLine(int x1, int y1, int x2, int y2, int penWidth) = 0; // end point left out
    virtual void DeviceDraw(int x, int y, const TBitmap& bitmap) = 0; // pixel for pixel
    virtual void DeviceStretchDraw(const TRect& rect, const TBitmap& bitmap) = 0;
    virtual TSize DeviceTextExtent(const std::string& text) = 0;
    virtual int DeviceDrawText(const std::string& text, TRect& rect, unsigned flags) = 0;
    const TFont& DeviceFont(); // Font at the surface's size

private:
    void FillCells(int x1, int y1, int x2, int y2); // an axis-parallel line as scaled cells
    TPoint penPos_;
    TScale scale_;
    TFont deviceFont_;
};
