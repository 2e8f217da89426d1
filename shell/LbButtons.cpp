#include "shell/LbButtons.h"

#include <algorithm>

#include "resources/Embedded.h"

namespace {

void SolidBrush(TCanvas& canvas, TColor color) {
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
}

void SolidPen(TCanvas& canvas, TColor color) {
    canvas.Pen.Color = color;
    canvas.Pen.Style = psSolid;
}

TColor FaceColor(const TButtonFace& f, bool down) {
    TColor color = ColorToRGB(f.Color);
    if (f.Enabled && f.HotTrackColor != clNone) color = BlendFadeColor(f.Color, f.HotTrackColor, f.FadeLevel);
    if (down && f.ColorWhenDown != clNone) color = f.ColorWhenDown;
    return color;
}

void PaintBackground(TCanvas& canvas, const TButtonFace& f, TColor face, int p) {
    if (f.Style == 4) {
        SolidBrush(canvas, clFuchsia);
        canvas.Rectangle(-1, -1, f.W + 1, f.H + 1);
        return;
    }
    if (f.Transparent) return;
    SolidBrush(canvas, face);
    if (f.Style == 1 || f.Style == 3) {
        canvas.Rectangle(-1, -1, f.W + 1, f.H + 1);
    } else if (f.Style == 2) {
        FillGradient(canvas, f.LightColor, face, 2, 2, f.W - 2, f.H / 4 + p);
        FillGradient(canvas, face, f.LightColor, 2, f.H / 4 + p, f.W - 2, f.H - 1);
    }
}

void PaintEncartaBevel(TCanvas& canvas, const TButtonFace& f, bool down) {
    const int w = f.W, h = f.H;
    SolidPen(canvas, down ? f.ShadowColor : f.LightColor);
    canvas.MoveTo(0, h - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(w - 1, 0);
    SolidPen(canvas, down ? f.LightColor : f.ShadowColor);
    canvas.LineTo(w - 1, h - 1);
    canvas.LineTo(0, h - 1);
}

void PaintDoubleBevel(TCanvas& canvas, const TButtonFace& f, bool down) {
    const int w = f.W, h = f.H;
    SolidPen(canvas, f.ShadowColor);
    if (down) {
        canvas.MoveTo(1, h - 3);
        canvas.LineTo(1, 1);
        canvas.LineTo(w - 2, 1);
    } else {
        canvas.MoveTo(w - 2, 0);
        canvas.LineTo(w - 2, h - 2);
        canvas.LineTo(0, h - 2);
    }
    SolidPen(canvas, down ? cl3DDkShadow : f.LightColor);
    canvas.MoveTo(0, h - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(w - 1, 0);
    SolidPen(canvas, down ? f.LightColor : cl3DDkShadow);
    canvas.LineTo(w - 1, h - 1);
    canvas.LineTo(-1, h - 1);
}

void PaintQuickenFrame(TCanvas& canvas, const TButtonFace& f, TColor face) {
    canvas.Pen.Style = psClear;
    SolidBrush(canvas, face);
    canvas.RoundRect(0, 1, f.W, f.H, 4, 4);
    canvas.Brush.Style = bsClear;
    SolidPen(canvas, f.ShadowColor);
    canvas.MoveTo(4, 0);
    canvas.LineTo(f.W - 5, 0);
    canvas.MoveTo(4, f.H - 1);
    canvas.LineTo(f.W - 5, f.H - 1);
}

void PaintFrame(TCanvas& canvas, const TButtonFace& f, TColor face, bool down) {
    const bool bevelShown = (f.Enabled && (!f.Flat || f.MouseInside || down)) || (!f.Enabled && !f.Flat);
    switch (f.Style) {
    case 1:
        if (bevelShown) PaintEncartaBevel(canvas, f, down);
        break;
    case 3:
        if (bevelShown) PaintDoubleBevel(canvas, f, down);
        break;
    case 2:
        SolidPen(canvas, down ? f.ShadowColor : face);
        canvas.Rectangle(1, 1, f.W - 1, f.H - 1);
        SolidPen(canvas, f.ShadowColor);
        canvas.RoundRect(0, 0, f.W, f.H, 6, 6);
        break;
    case 5: PaintQuickenFrame(canvas, f, face); break;
    default: break;
    }
}

struct TGlyphCell {
    int SX = 0, GW = 0, GH = 0;
};

TGlyphCell ChooseGlyphCell(const TButtonFace& f, bool down) {
    TGlyphCell cell;
    if (f.Glyph) cell.GH = f.Glyph->Height();
    if (f.Glyph && f.NumGlyphs > 0) cell.GW = f.Glyph->Width() / f.NumGlyphs;
    if (!f.Enabled) {
        cell.SX = cell.GW;
        return cell;
    }
    if (f.MouseInside && f.NumGlyphs > 3) cell.SX = 3 * cell.GW;
    if (down && f.NumGlyphs > 2) cell.SX = 2 * cell.GW;
    return cell;
}

unsigned AlignmentFlags(std::uint8_t alignment) {
    switch (alignment) {
    case 1: return dtWordBreak | dtRight;
    case 2: return dtWordBreak | dtCenter;
    default: return dtWordBreak | dtLeft;
    }
}

struct TTextSize {
    int TW = 0, TH = 0;
};

// Shortens the caption from its end until it fits (unless it may wrap), then measures it.
TTextSize FitCaption(TCanvas& canvas, std::string& caption, int maxWidth, bool wordWrap) {
    if (!wordWrap)
        while (!caption.empty() && canvas.TextWidth(caption) > maxWidth) caption.pop_back();
    TRect measured = Rect(0, 0, maxWidth, 0);
    canvas.DrawTextRect(caption, measured, dtCalcRect | dtWordBreak);
    return {measured.Right, measured.Bottom};
}

struct TPlacement {
    int M = 0; // room for the text
    int TL = 0, TT = 0; // text origin
    int TH = 0;
    int GL = 0, GT = 0; // glyph origin
};

TPlacement PlaceBeside(TCanvas& canvas, const TButtonFace& f, std::string& caption, const TGlyphCell& g, int p) {
    TPlacement pl;
    pl.M = std::max(0, f.W - 8 - (g.GW > 0 ? g.GW + 4 : 0));
    const TTextSize text = FitCaption(canvas, caption, pl.M, f.WordWrap);
    pl.TH = text.TH;
    pl.TT = (f.H - text.TH) / 2 + p;
    pl.TL = p + 4;
    pl.GT = (f.H - g.GH) / 2 + p;
    const int tr = caption.empty() ? 0 : text.TW + 4;
    if (f.Layout == blGlyphLeft) {
        if (g.GW > 0) pl.TL += g.GW + 4;
        pl.GL = p + 4;
        if (!f.WordWrap) {
            if (f.Alignment == 1)
                pl.GL = f.W - 4 - g.GW - tr + p;
            else if (f.Alignment == 2)
                pl.GL = (f.W - g.GW) / 2 + p - tr / 2;
        }
    } else {
        pl.GL = pl.TL + tr;
        if (!f.WordWrap) {
            if (f.Alignment == 1)
                pl.GL = f.W - 4 + p - g.GW;
            else if (f.Alignment == 2)
                pl.GL = (f.W - g.GW) / 2 + p + tr / 2;
        }
    }
    return pl;
}

TPlacement PlaceAboveOrBelow(TCanvas& canvas, const TButtonFace& f, std::string& caption, const TGlyphCell& g, int p) {
    TPlacement pl;
    pl.M = std::max(0, f.W - 8);
    const TTextSize text = FitCaption(canvas, caption, pl.M, f.WordWrap);
    pl.TH = text.TH;
    const int blockTop = (f.H - (text.TH + (g.GH > 0 ? g.GH + 4 : 0))) / 2;
    pl.TL = p + 4;
    if (f.Layout == blGlyphBottom) {
        pl.TT = blockTop + p;
        pl.GT = blockTop + text.TH + p;
    } else {
        pl.TT = blockTop + g.GH + p;
        pl.GT = blockTop + p;
    }
    if (f.Alignment == 1)
        pl.GL = f.W - g.GW - 4 + p;
    else if (f.Alignment == 2)
        pl.GL = (f.W - g.GW) / 2 + p;
    else
        pl.GL = p + 4;
    return pl;
}

void PaintShapeContent(TCanvas& canvas, const TButtonFace& f, std::string& caption, const TGlyphCell& g, int p) {
    const TTextSize text = FitCaption(canvas, caption, std::max(0, f.W - 8), f.WordWrap);
    if (f.Glyph) DrawGlyphPart(canvas, *f.Glyph, (f.W - g.GW) / 2, (f.H - g.GH) / 2, g.SX, 0, g.GW, g.GH);
    TRect box = Rect(p, (f.H - text.TH) / 2 + p, f.W, f.H);
    canvas.DrawTextRect(caption, box, dtWordBreak | dtCenter);
}

void PaintContent(TCanvas& canvas, const TButtonFace& f, const TGlyphCell& g, int p) {
    std::string caption = f.Caption;
    if (f.Style == 4) {
        PaintShapeContent(canvas, f, caption, g, p);
        return;
    }
    const bool beside = f.Layout == blGlyphLeft || f.Layout == blGlyphRight;
    const TPlacement pl = beside ? PlaceBeside(canvas, f, caption, g, p) : PlaceAboveOrBelow(canvas, f, caption, g, p);
    if (!f.Enabled) canvas.Font.SetColor(clGray);
    TRect box = Rect(pl.TL, pl.TT, pl.TL + pl.M, pl.TT + pl.TH);
    canvas.DrawTextRect(caption, box, AlignmentFlags(f.Alignment));
    if (f.Glyph) DrawGlyphPart(canvas, *f.Glyph, pl.GL, pl.GT, g.SX, 0, g.GW, g.GH);
}

void PaintPopupArrow(TCanvas& canvas, const TButtonFace& f) {
    const EmbeddedFile file = EmbeddedResource("LBARROW.bmp");
    TBitmap arrow;
    if (!file.Data || !arrow.LoadFromBmp(file.Data, file.Size)) return;
    arrow.Transparent = true;
    arrow.TransparentColorValue = clWhite;
    canvas.Draw(f.W - 11, f.H / 2 - 1, arrow);
}

} // namespace

void PaintButtonFace(TCanvas& Canvas, const TButtonFace& Face) {
    const bool down = Face.Down && Face.Enabled;
    const int p = (down && Face.Style != 1) ? 1 : 0;
    const TColor face = FaceColor(Face, down);
    PaintBackground(Canvas, Face, face, p);
    Canvas.Brush.Style = bsClear;
    PaintFrame(Canvas, Face, face, down);
    if (Face.Font) Canvas.Font.Assign(*Face.Font);
    if (Face.Style == 1 && down) Canvas.Font.SetStyle(Canvas.Font.Style() | fsBold);
    PaintContent(Canvas, Face, ChooseGlyphCell(Face, down), p);
    if (Face.HasPopup) PaintPopupArrow(Canvas, Face);
}

void FillGradient(TCanvas& Canvas, TColor ColorFrom, TColor ColorTo, int Left, int Top, int Right, int Bottom) {
    const TPenStyle penStyle = Canvas.Pen.Style;
    Canvas.Pen.Style = psClear;
    const TColor from = ColorToRGB(ColorFrom), to = ColorToRGB(ColorTo);
    double r = GetRValue(from), g = GetGValue(from), b = GetBValue(from);
    const double dR = (GetRValue(to) - GetRValue(from)) / 31.0;
    const double dG = (GetGValue(to) - GetGValue(from)) / 31.0;
    const double dB = (GetBValue(to) - GetBValue(from)) / 31.0;
    const int s = Bottom - Top;
    const int bandHeight = s / 31 + 1;
    for (int i = 0; i <= 31; ++i) {
        const int y = i * s / 31;
        SolidBrush(Canvas, RGBColor(int(r), int(g), int(b)));
        r += dR;
        g += dG;
        b += dB;
        Canvas.FillRect(Rect(Left, Top + y, Right, std::min(Top + y + bandHeight, Bottom)));
    }
    Canvas.Pen.Style = penStyle;
}

TColor BlendFadeColor(TColor Color, TColor HotTrackColor, int FadeLevel) {
    const double k = FadeLevel / 8.0;
    const TColor face = ColorToRGB(Color), hot = ColorToRGB(HotTrackColor);
    const auto mix = [k](int f, int h) { return int(f * (1 - k) + h * k); };
    return RGBColor(mix(GetRValue(face), GetRValue(hot)), mix(GetGValue(face), GetGValue(hot)),
                    mix(GetBValue(face), GetBValue(hot)));
}

void DrawGlyphPart(TCanvas& Canvas, const TBitmap& Glyph, int X, int Y, int SourceX, int SourceY, int Width,
                   int Height) {
    if (Width <= 0 || Height <= 0 || Glyph.Empty()) return;
    // A copy of the glyph cut to the cell's size, with the wanted cell drawn over it: where
    // the cell lies outside the strip, the strip's first pixels stay.
    const auto inGlyph = [&Glyph](int x, int y) { return x >= 0 && y >= 0 && x < Glyph.Width() && y < Glyph.Height(); };
    TBitmap part(Width, Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const int gx = SourceX + x, gy = SourceY + y;
            if (inGlyph(gx, gy))
                part.SetPixel(x, y, Glyph.Pixel(gx, gy));
            else if (inGlyph(x, y))
                part.SetPixel(x, y, Glyph.Pixel(x, y));
        }
    part.Transparent = true;
    Canvas.Draw(X, Y, part);
}
