#include "toolkit/win32/GdiCanvas.h"

#include "toolkit/Backend.h"
#include "toolkit/win32/GdiHandles.h"

#include <cstdint>
#include <optional>

namespace win32 {

HDC ScreenMeasuringDC() {
    static const HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

// One drawing call: the device context with the canvas's pen, brush and font selected.
// The members end in reverse order: selections first, then the pen and brush, then the
// device context.
class GdiCanvas::Scope {
public:
    static constexpr unsigned UsePen = 1, UseBrush = 2, UseFont = 4, Measure = 8;

    Scope(GdiCanvas& canvas, unsigned use, int penWidth = 1) : canvas_(canvas), dc_(canvas, (use & Measure) != 0) {
        if (!Dc()) return;
        if (use & UsePen) SelectPen(penWidth);
        if (use & UseBrush) SelectBrush();
        if (use & UseFont) SelectFont();
    }

    HDC Dc() const { return dc_.Get(); }
    HBRUSH Brush() const { return brush_.Get(); }

private:
    // The canvas's device context, given back at the end.
    class AcquiredDC {
    public:
        AcquiredDC(GdiCanvas& canvas, bool measuring) : canvas_(canvas), dc_(canvas.Acquire(measuring)) {}
        ~AcquiredDC() {
            if (dc_) canvas_.Release(dc_);
        }
        AcquiredDC(const AcquiredDC&) = delete;
        AcquiredDC& operator=(const AcquiredDC&) = delete;
        HDC Get() const { return dc_; }

    private:
        GdiCanvas& canvas_;
        HDC dc_;
    };

    // A wider pen (a scaled one) stays inside the shape's frame and ends flat.
    void SelectPen(int width) {
        if (canvas_.Pen.Style == psClear) {
            penSelected_.emplace(Dc(), GetStockObject(NULL_PEN));
            return;
        }
        const COLORREF color = ToColorRef(canvas_.Pen.Color);
        if (width <= 1) {
            pen_ = GdiObject<HPEN>(CreatePen(PS_SOLID, 1, color));
        } else {
            const LOGBRUSH brush{BS_SOLID, color, 0};
            pen_ = GdiObject<HPEN>(ExtCreatePen(PS_GEOMETRIC | PS_INSIDEFRAME | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                                                DWORD(width), &brush, 0, nullptr));
        }
        penSelected_.emplace(Dc(), pen_.Get());
    }
    void SelectBrush() {
        if (canvas_.Brush.Style == bsClear) {
            brushSelected_.emplace(Dc(), GetStockObject(NULL_BRUSH));
            return;
        }
        brush_ = GdiObject<HBRUSH>(CreateSolidBrush(ToColorRef(canvas_.Brush.Color)));
        brushSelected_.emplace(Dc(), brush_.Get());
    }
    void SelectFont() {
        fontSelected_.emplace(Dc(), FontHandle(canvas_.DeviceFont()));
        SetTextColor(Dc(), ToColorRef(canvas_.Font.Color()));
        SetBkMode(Dc(), TRANSPARENT);
    }

    GdiCanvas& canvas_;
    AcquiredDC dc_;
    GdiObject<HPEN> pen_;
    GdiObject<HBRUSH> brush_;
    std::optional<SelectedObject> penSelected_, brushSelected_, fontSelected_;
};

void GdiCanvas::DeviceFillRect(const TRect& rect) {
    if (Brush.Style == bsClear) return;
    Scope scope(*this, Scope::UseBrush);
    if (!scope.Dc()) return;
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    ::FillRect(scope.Dc(), &r, scope.Brush());
}

void GdiCanvas::DeviceRectangle(int x1, int y1, int x2, int y2, int penWidth) {
    Scope scope(*this, Scope::UsePen | Scope::UseBrush, penWidth);
    if (scope.Dc()) ::Rectangle(scope.Dc(), x1, y1, x2, y2);
}

void GdiCanvas::DeviceRoundRect(int x1, int y1, int x2, int y2, int w, int h, int penWidth) {
    Scope scope(*this, Scope::UsePen | Scope::UseBrush, penWidth);
    if (scope.Dc()) ::RoundRect(scope.Dc(), x1, y1, x2, y2, w, h);
}

void GdiCanvas::DeviceLine(int x1, int y1, int x2, int y2, int penWidth) {
    Scope scope(*this, Scope::UsePen, penWidth);
    if (!scope.Dc()) return;
    MoveToEx(scope.Dc(), x1, y1, nullptr);
    ::LineTo(scope.Dc(), x2, y2);
}

void GdiCanvas::DeviceDraw(int x, int y, const TBitmap& bitmap) {
    Blit(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void GdiCanvas::DeviceStretchDraw(const TRect& rect, const TBitmap& bitmap) {
    Blit(rect, bitmap);
}

TSize GdiCanvas::DeviceTextExtent(const std::string& text) {
    Scope scope(*this, Scope::UseFont | Scope::Measure);
    SIZE size{0, 0};
    if (scope.Dc()) GetTextExtentPoint32A(scope.Dc(), text.data(), int(text.size()), &size);
    return {int(size.cx), int(size.cy)};
}

int GdiCanvas::DeviceDrawText(const std::string& text, TRect& rect, unsigned flags) {
    Scope scope(*this, Scope::UseFont | ((flags & DT_CALCRECT) ? Scope::Measure : 0));
    if (!scope.Dc()) return 0;
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    int height = DrawTextA(scope.Dc(), text.data(), int(text.size()), &r, flags);
    if (flags & DT_CALCRECT) rect = {int(r.left), int(r.top), int(r.right), int(r.bottom)};
    return height;
}

void GdiCanvas::SetViewport(TPoint origin, const TRect& clipOnSurface) {
    if (dc_) ApplyViewport(dc_, origin, clipOnSurface);
}

void GdiCanvas::ApplyViewport(HDC dc, TPoint origin, const TRect& clipOnSurface) {
    SetViewportOrgEx(dc, origin.X, origin.Y, nullptr);
    const TRect& c = clipOnSurface;
    GdiObject<HRGN> clip(CreateRectRgn(c.Left, c.Top, c.Right, c.Bottom));
    SelectClipRgn(dc, clip.Get()); // the device context keeps a copy
}

namespace {

// 0x00BBGGRR to the DIB's 0x00RRGGBB and back.
std::uint32_t SwapRedAndBlue(std::uint32_t c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// A 32-bit top-down DIB section holding the bitmap's pixels; bits gets its pixel memory.
HBITMAP MakeDib(HDC dc, const TBitmap& bitmap, std::uint32_t** bits = nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = -bitmap.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    if (!dib) return nullptr;
    auto* out = static_cast<std::uint32_t*>(memory);
    if (bits) *bits = out;
    for (TColor c : bitmap.Pixels()) *out++ = SwapRedAndBlue(c);
    return dib;
}

} // namespace

void GdiCanvas::Blit(const TRect& target, const TBitmap& bitmap) {
    if (bitmap.Empty() || target.Width() <= 0 || target.Height() <= 0) return;
    Scope scope(*this, 0);
    HDC dc = scope.Dc();
    if (!dc) return;
    GdiObject<HBITMAP> dib(MakeDib(dc, bitmap));
    if (!dib) return;
    MemoryDC source(dc);
    SelectedObject selected(source.Get(), dib.Get());
    const int w = bitmap.Width(), h = bitmap.Height();
    if (bitmap.Transparent) { // gdi32's own export: msimg32 is no KnownDLL, so it is not imported
        GdiTransparentBlt(dc, target.Left, target.Top, target.Width(), target.Height(), source.Get(), 0, 0, w, h,
                          ToColorRef(bitmap.TransparentColor()));
    } else if (target.Width() == w && target.Height() == h) {
        BitBlt(dc, target.Left, target.Top, w, h, source.Get(), 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, target.Left, target.Top, target.Width(), target.Height(), source.Get(), 0, 0, w, h, SRCCOPY);
    }
}

// ---- BitmapCanvas ----

// The DIB of one call, selected into a memory device context; they end in reverse order.
struct BitmapCanvas::Surface {
    explicit Surface(const TBitmap& bitmap) : dc(nullptr), dib(MakeDib(dc.Get(), bitmap, &bits)) {
        if (dib) selected.emplace(dc.Get(), dib.Get());
    }
    MemoryDC dc;
    std::uint32_t* bits = nullptr;
    GdiObject<HBITMAP> dib;
    std::optional<SelectedObject> selected;
};

BitmapCanvas::BitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}

BitmapCanvas::~BitmapCanvas() = default;

HDC BitmapCanvas::Acquire(bool /*measuring*/) {
    surface_ = std::make_unique<Surface>(bitmap_);
    if (!surface_->dib) {
        surface_.reset();
        return nullptr;
    }
    return surface_->dc.Get();
}

void BitmapCanvas::Release(HDC) {
    GdiFlush();
    const std::uint32_t* in = surface_->bits;
    for (int y = 0; y < bitmap_.Height(); ++y)
        for (int x = 0; x < bitmap_.Width(); ++x) bitmap_.SetPixel(x, y, SwapRedAndBlue(*in++));
    surface_.reset();
}

// ---- DirectCanvas ----

HWND DirectCanvas::Surface() const {
    TWinControl* parent = control_.Parent();
    if (!parent || !parent->Peer()) return nullptr;
    return reinterpret_cast<HWND>(parent->Peer()->Handle());
}

HDC DirectCanvas::Acquire(bool measuring) {
    HWND surface = Surface();
    if (!surface || !control_.Showing()) {
        acquiredFrom_ = nullptr;
        return measuring ? ScreenMeasuringDC() : nullptr; // measures as the window would
    }
    acquiredFrom_ = surface;
    HDC dc = GetDC(surface);
    if (!dc) return nullptr;
    const TRect place = Scale().Bounds(control_.BoundsRect());
    ApplyViewport(dc, {place.Left, place.Top}, place);
    return dc;
}

void DirectCanvas::Release(HDC dc) {
    if (acquiredFrom_) ReleaseDC(acquiredFrom_, dc);
}

} // namespace win32
