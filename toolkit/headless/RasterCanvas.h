// A software canvas that paints into a TBitmap with GDI's rules: fills and rectangles cover
// [left, right) x [top, bottom), lines leave out their end point, a rectangle without pen
// is one pixel smaller at its right and bottom, text comes from the built-in bitmap font.
#pragma once

#include "toolkit/Graphics.h"

struct TextLine;

class RasterCanvas : public TCanvas {
public:
    explicit RasterCanvas(TBitmap& target) : target_(target) {}

    void SetViewport(TPoint origin, const TRect& clipOnSurface) override;

protected:
    void DeviceFillRect(const TRect& rect) override;
    void DeviceRectangle(int x1, int y1, int x2, int y2, int penWidth) override;
    void DeviceRoundRect(int x1, int y1, int x2, int y2, int w, int h, int penWidth) override;
    void DeviceLine(int x1, int y1, int x2, int y2, int penWidth) override;
    void DeviceDraw(int x, int y, const TBitmap& bitmap) override;
    void DeviceStretchDraw(const TRect& rect, const TBitmap& bitmap) override;
    TSize DeviceTextExtent(const std::string& text) override;
    int DeviceDrawText(const std::string& text, TRect& rect, unsigned flags) override;

private:
    void Plot(int x, int y, TColor color); // canvas coordinates, clipped
    void FillSpan(int y, int x1, int x2, TColor color);
    void Shape(int x1, int y1, int x2, int y2, int w, int h, int penWidth);
    void TextLineAt(const TextLine& line, int x, int y, TColor color, const TRect& clip);
    TRect ClipInCanvas() const; // the clip, intersected with the surface

    TBitmap& target_;
    TPoint origin_;
    TRect clip_{-1000000, -1000000, 1000000, 1000000};
};
