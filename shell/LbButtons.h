// The face painter of the speed button, its colour presets and its fade thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/Classes.h"
#include "toolkit/Graphics.h"

enum TLbSpeedButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbSpeedButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TLbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken
};

// Everything a paint needs, in the painter's argument order (after the canvas).
struct TButtonFace {
    int W = 0;
    int H = 0;
    int FadeLevel = 0; // 0 plain face .. 8 full hot-track colour
    int NumGlyphs = 0;
    const TBitmap* Glyph = nullptr; // cells: 0 normal, 1 disabled, 2 pressed, 3 hot
    bool Down = false;
    bool MouseInside = false;
    bool Transparent = false;
    bool Enabled = true;
    bool Flat = false;
    bool WordWrap = false;
    bool HasPopup = false;
    std::uint8_t Style = 2; // 1 Encarta, 2 gradient, 3 old, 4 shape, 5 Quicken
    TColor Color = clBtnFace;
    TColor ColorWhenDown = clNone;
    TColor HotTrackColor = clNone;
    TColor LightColor = clWhite;
    TColor ShadowColor = clBlack;
    const TFont* Font = nullptr;
    std::uint8_t Layout = 0; // 0 glyph left, 1 right, 2 top, 3 bottom
    std::string Caption;
    std::uint8_t Alignment = 0; // 0 left, 1 right, 2 centre
};

void PaintButtonFace(TCanvas& Canvas, const TButtonFace& Face);

// A vertical gradient of 32 bands from ColorFrom at the top towards ColorTo.
void FillGradient(TCanvas& Canvas, TColor ColorFrom, TColor ColorTo, int Left, int Top, int Right, int Bottom);
// The face colour mixed with the hot-track colour by the fade level (8: all hot-track).
TColor BlendFadeColor(TColor Color, TColor HotTrackColor, int FadeLevel);
// Draws one cell of a glyph strip, its bottom-left pixel's colour left out.
void DrawGlyphPart(TCanvas& Canvas, const TBitmap& Glyph, int X, int Y, int SourceX, int SourceY, int Width,
                   int Height);

struct TLbColorStyleColors {
    TColor Face, Light, Shadow, WhenDown, HotTrack, FontColor;
    bool Flat;
    TLbSpeedButtonStyle Style;
};
TLbColorStyleColors GetColorStyleColors(TLbColorStyle ColorStyle);

// Ticks every 30 ms and runs OnStep on the GUI thread, passing itself. Created suspended.
class TLbButtonThread : public TThread {
public:
    explicit TLbButtonThread(std::function<void(TObject* Sender)> OnStep);
    ~TLbButtonThread() override;
    std::function<void(TObject* Sender)> OnStep;

protected:
    void Execute() override;
};
