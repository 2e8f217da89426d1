// Software rasterisation with GDI semantics.
#include "toolkit/headless/RasterCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "toolkit/headless/TextLayout.h"

void RasterCanvas::SetViewport(TPoint origin, const TRect& clipOnSurface) {
    origin_ = origin;
    clip_ = clipOnSurface;
}

TRect RasterCanvas::ClipInCanvas() const {
    TRect surface = IntersectRects(clip_, Rect(0, 0, target_.Width(), target_.Height()));
    return {surface.Left - origin_.X, surface.Top - origin_.Y, surface.Right - origin_.X, surface.Bottom - origin_.Y};
}

void RasterCanvas::Plot(int x, int y, TColor color) {
    const int sx = x + origin_.X, sy = y + origin_.Y;
    if (!clip_.Contains({sx, sy})) return;
    target_.SetPixel(sx, sy, color);
}

void RasterCanvas::FillSpan(int y, int x1, int x2, TColor color) {
    const TRect clip = ClipInCanvas();
    if (y < clip.Top || y >= clip.Bottom) return;
    for (int x = std::max(x1, clip.Left); x < std::min(x2, clip.Right); ++x)
        target_.SetPixel(x + origin_.X, y + origin_.Y, color);
}

void RasterCanvas::DeviceFillRect(const TRect& rect) {
    if (Brush.Style == bsClear) return;
    const TColor color = ColorToRGB(Brush.Color);
    for (int y = rect.Top; y < rect.Bottom; ++y) FillSpan(y, rect.Left, rect.Right, color);
}

void RasterCanvas::DeviceLine(int x1, int y1, int x2, int y2, int penWidth) {
    if (Pen.Style == psClear) return;
    const TColor color = ColorToRGB(Pen.Color);
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1, y = y1;
    while (x != x2 || y != y2) {
        for (int dy2 = 0; dy2 < penWidth; ++dy2)
            for (int dx2 = 0; dx2 < penWidth; ++dx2) Plot(x + dx2, y + dy2, color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

namespace {

// Where the shape's row starts, counted from the left edge, in a corner ellipse of w x h.
int CornerInset(int row, int rows, int w, int h) {
    if (w < 2 || h < 2) return 0;
    const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
    const int fromEdge = std::min(row, rows - 1 - row);
    if (fromEdge >= h / 2) return 0;
    const double dy = std::min(cy, cy - fromEdge + 0.5) / cy;
    const double dx = std::sqrt(std::max(0.0, 1.0 - dy * dy));
    return std::max(0, int(std::ceil(cx - cx * dx - 0.5)));
}

} // namespace

// A rectangle with corner ellipses w x h (0 for square corners): outline with the pen, the
// rest with the brush. Without pen the shape loses its right column and bottom row.
void RasterCanvas::Shape(int x1, int y1, int x2, int y2, int w, int h, int penWidth) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const bool outline = Pen.Style != psClear;
    if (!outline) {
        --x2;
        --y2;
    }
    const int width = x2 - x1, height = y2 - y1;
    if (width <= 0 || height <= 0) return;
    w = std::min(std::abs(w), width);
    h = std::min(std::abs(h), height);
    std::vector<int> inset(height);
    for (int row = 0; row < height; ++row) inset[row] = CornerInset(row, height, w, h);
    const auto inside = [&](int col, int row) {
        return row >= 0 && row < height && col >= inset[row] && col < width - inset[row];
    };
    const TColor pen = ColorToRGB(Pen.Color), brush = ColorToRGB(Brush.Color);
    for (int row = 0; row < height; ++row) {
        for (int col = inset[row]; col < width - inset[row]; ++col) {
            const int t = penWidth;
            const bool edge =
                !inside(col - t, row) || !inside(col + t, row) || !inside(col, row - t) || !inside(col, row + t);
            if (outline && edge)
                Plot(x1 + col, y1 + row, pen);
            else if (Brush.Style != bsClear)
                Plot(x1 + col, y1 + row, brush);
        }
    }
}

void RasterCanvas::DeviceRectangle(int x1, int y1, int x2, int y2, int penWidth) {
    Shape(x1, y1, x2, y2, 0, 0, penWidth);
}

void RasterCanvas::DeviceRoundRect(int x1, int y1, int x2, int y2, int w, int h, int penWidth) {
    Shape(x1, y1, x2, y2, w, h, penWidth);
}

void RasterCanvas::DeviceDraw(int x, int y, const TBitmap& bitmap) {
    const TColor key = bitmap.TransparentColor();
    for (int by = 0; by < bitmap.Height(); ++by)
        for (int bx = 0; bx < bitmap.Width(); ++bx) {
            const TColor c = bitmap.Pixel(bx, by);
            if (bitmap.Transparent && c == key) continue;
            Plot(x + bx, y + by, c);
        }
}

void RasterCanvas::DeviceStretchDraw(const TRect& rect, const TBitmap& bitmap) {
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0 || bitmap.Empty()) return;
    const TColor key = bitmap.TransparentColor();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor c =
                bitmap.Pixel(int(std::int64_t(x) * bitmap.Width() / w), int(std::int64_t(y) * bitmap.Height() / h));
            if (bitmap.Transparent && c == key) continue;
            Plot(rect.Left + x, rect.Top + y, c);
        }
}

TSize RasterCanvas::DeviceTextExtent(const std::string& text) {
    const bitmapfont::Metrics metrics = bitmapfont::MetricsOf(DeviceFont());
    return {bitmapfont::TextWidth(metrics, text), metrics.LineHeight};
}

void RasterCanvas::TextLineAt(const TextLine& line, int x, int y, TColor color, const TRect& clip) {
    const bitmapfont::Metrics metrics = bitmapfont::MetricsOf(DeviceFont());
    const auto plot = [&](int px, int py) {
        if (clip.Contains({px, py})) Plot(px, py, color);
    };
    for (std::size_t i = 0; i < line.Text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line.Text[i]);
        const int advance = bitmapfont::CharWidth(metrics, c);
        bitmapfont::ForEachPixel(metrics, c, [&](int gx, int gy) { plot(x + gx, y + gy); });
        const bool underline = line.Underlined[i] || (Font.Style() & fsUnderline);
        for (int ux = 0; underline && ux < advance; ++ux) plot(x + ux, y + metrics.UnderlineRow);
        for (int sx = 0; (Font.Style() & fsStrikeOut) && sx < advance; ++sx) plot(x + sx, y + metrics.StrikeOutRow);
        x += advance;
    }
}

int RasterCanvas::DeviceDrawText(const std::string& text, TRect& rect, unsigned flags) {
    const bitmapfont::Metrics metrics = bitmapfont::MetricsOf(DeviceFont());
    const std::vector<TextLine> lines = LayoutText(text, flags, rect.Width(), metrics);
    const int height = int(lines.size()) * metrics.LineHeight;
    if (flags & dtCalcRect) {
        int widest = 0;
        for (const TextLine& line : lines) widest = std::max(widest, line.Width);
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }
    int top = rect.Top;
    if (flags & dtSingleLine) {
        if (flags & dtVCenter)
            top = rect.Top + (rect.Height() - height) / 2;
        else if (flags & dtBottom)
            top = rect.Bottom - height;
    }
    const TRect clip = (flags & dtNoClip) ? Rect(-1000000, -1000000, 1000000, 1000000) : rect;
    const TColor color = ColorToRGB(Font.Color());
    for (const TextLine& line : lines) {
        int left = rect.Left;
        if (flags & dtCenter)
            left = rect.Left + (rect.Width() - line.Width) / 2;
        else if (flags & dtRight)
            left = rect.Right - line.Width;
        TextLineAt(line, left, top, color, clip);
        top += metrics.LineHeight;
    }
    return height;
}
