// The canvas on a GDI device context: every call takes Pen, Brush and Font as they are.
#pragma once

#include <memory>

#include "toolkit/Controls.h"
#include "toolkit/win32/Win32Common.h"

namespace win32 {

class GdiCanvas : public TCanvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}

    void SetViewport(TPoint origin, const TRect& clipOnSurface) override;

protected:
    GdiCanvas() = default;
    void DeviceFillRect(const TRect& rect) override;
    void DeviceRectangle(int x1, int y1, int x2, int y2, int penWidth) override;
    void DeviceRoundRect(int x1, int y1, int x2, int y2, int w, int h, int penWidth) override;
    void DeviceLine(int x1, int y1, int x2, int y2, int penWidth) override;
    void DeviceDraw(int x, int y, const TBitmap& bitmap) override;
    void DeviceStretchDraw(const TRect& rect, const TBitmap& bitmap) override;
    TSize DeviceTextExtent(const std::string& text) override;
    int DeviceDrawText(const std::string& text, TRect& rect, unsigned flags) override;

    // The device context for one call; nullptr draws nothing. Measuring needs no window.
    virtual HDC Acquire(bool measuring) {
        (void)measuring;
        return dc_;
    }
    virtual void Release(HDC) {}
    static void ApplyViewport(HDC dc, TPoint origin, const TRect& clipOnSurface);

private:
    class Scope;
    void Blit(const TRect& target, const TBitmap& bitmap);
    HDC dc_ = nullptr;
};

// Paints at once on the parent window, at the control's place and clipped to it.
class DirectCanvas : public GdiCanvas {
public:
    explicit DirectCanvas(TGraphicControl& control) : control_(control) {}

protected:
    HDC Acquire(bool measuring) override;
    void Release(HDC dc) override;

private:
    HWND Surface() const;
    TGraphicControl& control_;
    HWND acquiredFrom_ = nullptr;
};

// Paints into a TBitmap: each call draws on a DIB section holding a copy of its pixels,
// which are then copied back.
class BitmapCanvas : public GdiCanvas {
public:
    explicit BitmapCanvas(TBitmap& bitmap);
    ~BitmapCanvas() override;

protected:
    HDC Acquire(bool measuring) override;
    void Release(HDC dc) override;

private:
    struct Surface;
    TBitmap& bitmap_;
    std::unique_ptr<Surface> surface_;
};

// A memory device context of the screen's kind, kept for measuring text: it measures as the
// screen does without asking the window manager for a context each time. GUI thread only.
HDC ScreenMeasuringDC();

// Measures as the screen does and draws nothing.
class ScreenCanvas : public GdiCanvas {
protected:
    HDC Acquire(bool measuring) override { return measuring ? ScreenMeasuringDC() : nullptr; }
};

} // namespace win32
