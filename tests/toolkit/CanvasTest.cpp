// The raster canvas: GDI's pixel rules for lines and shapes, text layout and measuring.
#include <gtest/gtest.h>

#include "toolkit/Graphics.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

constexpr TColor kBack = clSilver;

TBitmap Blank(int w, int h) {
    TBitmap b(w, h);
    b.Canvas().Brush.Color = kBack;
    b.Canvas().FillRect(Rect(0, 0, w, h));
    return b;
}

// The bitmap as rows of characters: '#' for ink, 'o' for fill, '.' for the background.
std::vector<std::string> Picture(const TBitmap& b, TColor ink, TColor fill = clNone) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            const TColor c = b.Pixel(x, y);
            row += c == ink ? '#' : c == fill ? 'o' : c == kBack ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(Canvas, LineLeavesOutItsEndPoint) {
    TBitmap b = Blank(8, 5);
    b.Canvas().Pen.Color = clBlack;
    b.Canvas().MoveTo(1, 1);
    b.Canvas().LineTo(6, 3);
    EXPECT_EQ(Picture(b, clBlack),
              (std::vector<std::string>{"........", ".##.....", "...##...", ".....#..", "........"}));
    EXPECT_EQ(b.Canvas().PenPos(), (TPoint{6, 3}));
    b.Canvas().LineTo(6, 0); // on from the pen position, upwards, without (6, 0)
    EXPECT_EQ(b.Pixel(6, 3), clBlack);
    EXPECT_EQ(b.Pixel(6, 1), clBlack);
    EXPECT_EQ(b.Pixel(6, 0), kBack);
}

TEST(Canvas, ClearPenDrawsNoLine) {
    TBitmap b = Blank(4, 1);
    b.Canvas().Pen.Style = psClear;
    b.Canvas().MoveTo(0, 0);
    b.Canvas().LineTo(4, 0);
    EXPECT_EQ(Picture(b, clBlack)[0], "....");
}

TEST(Canvas, RoundRectWithCornerEllipses) {
    TBitmap b = Blank(10, 8);
    TCanvas& c = b.Canvas();
    c.Pen.Color = clBlack;
    c.Brush.Color = clWhite;
    c.RoundRect(0, 0, 10, 8, 6, 6);
    EXPECT_EQ(Picture(b, clBlack, clWhite),
              (std::vector<std::string>{"..######..", ".#oooooo#.", "#oooooooo#", "#oooooooo#", "#oooooooo#",
                                        "#oooooooo#", ".#oooooo#.", "..######.."}));
}

TEST(Canvas, RectangleOutlineAndInteriorFollowPenAndBrush) {
    TBitmap b = Blank(6, 5);
    TCanvas& c = b.Canvas();
    c.Pen.Color = clBlack;
    c.Brush.Style = bsClear;
    c.Rectangle(1, 1, 5, 4);
    EXPECT_EQ(Picture(b, clBlack), (std::vector<std::string>{"......", ".####.", ".#..#.", ".####.", "......"}));
    // Without a pen the brush covers one column and one row less, as in GDI.
    c.Pen.Style = psClear;
    c.Brush.Style = bsSolid;
    c.Brush.Color = clWhite;
    c.Rectangle(0, 0, 3, 3);
    EXPECT_EQ(Picture(b, clBlack, clWhite)[0], "oo....");
    EXPECT_EQ(Picture(b, clBlack, clWhite)[1], "oo###.");
    EXPECT_EQ(Picture(b, clBlack, clWhite)[2], ".#..#.");
}

TEST(Canvas, FillRectCoversHalfOpenRectangle) {
    TBitmap b = Blank(4, 3);
    b.Canvas().Brush.Color = clNavy;
    b.Canvas().FillRect(Rect(1, 0, 3, 2));
    EXPECT_EQ(Picture(b, clNavy), (std::vector<std::string>{".##.", ".##.", "...."}));
}

TEST(Canvas, SystemColoursAreResolved) {
    TBitmap b = Blank(1, 1);
    b.Canvas().Brush.Color = clBtnShadow;
    b.Canvas().FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(b.Pixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorToRGB(clSkyBlue), clSkyBlue);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
}

TEST(Canvas, ViewportMovesTheOriginAndClips) {
    TBitmap b = Blank(6, 4);
    TCanvas& c = b.Canvas();
    c.SetViewport({2, 1}, Rect(2, 1, 4, 3));
    c.Brush.Color = clBlack;
    c.FillRect(Rect(-5, -5, 50, 50));
    EXPECT_EQ(Picture(b, clBlack), (std::vector<std::string>{"......", "..##..", "..##..", "......"}));
}

TEST(Canvas, DrawLeavesOutTheTransparentColour) {
    TBitmap glyph(3, 2);
    for (int x = 0; x < 3; ++x) glyph.SetPixel(x, 0, clRed);
    glyph.SetPixel(0, 1, clWhite); // bottom-left: the transparent colour
    glyph.SetPixel(1, 1, clRed);
    glyph.SetPixel(2, 1, clWhite);
    TBitmap b = Blank(4, 3);
    b.Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(b.Pixel(1, 2), clWhite);
    glyph.Transparent = true;
    b = Blank(4, 3);
    b.Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(Picture(b, clRed), (std::vector<std::string>{"....", ".###", "..#."}));
}

TEST(Canvas, StretchDrawIsNearestNeighbour) {
    TBitmap source(2, 1);
    source.SetPixel(0, 0, clRed);
    source.SetPixel(1, 0, clBlue);
    TBitmap b = Blank(4, 2);
    b.Canvas().StretchDraw(Rect(0, 0, 4, 2), source);
    EXPECT_EQ(Picture(b, clRed, clBlue), (std::vector<std::string>{"##oo", "##oo"}));
}

class CanvasText : public ::testing::Test {
protected:
    TBitmap surface{200, 60};
    TCanvas& canvas = surface.Canvas();
    int Width(const std::string& s) { return canvas.TextWidth(s); }
    TRect Measure(const std::string& text, int width, unsigned flags) {
        TRect r = Rect(0, 0, width, 0);
        const int height = canvas.DrawTextRect(text, r, flags | dtCalcRect);
        EXPECT_EQ(height, r.Bottom);
        return r;
    }
};

TEST_F(CanvasText, LineHeightFollowsTheFontHeight) {
    EXPECT_EQ(canvas.TextHeight("Ag"), 13); // "MS Sans Serif" -11
    canvas.Font.SetHeight(-19);
    EXPECT_EQ(canvas.TextHeight("Ag"), 22);
    canvas.Font.SetHeight(16);
    EXPECT_EQ(canvas.TextHeight("Ag"), 16);
}

TEST_F(CanvasText, WidthsGrowWithHeightAndBold) {
    const int plain = Width("Next");
    EXPECT_GT(plain, 0);
    canvas.Font.SetStyle(fsBold);
    EXPECT_EQ(Width("Next"), plain + 4);
    canvas.Font.SetStyle(0);
    canvas.Font.SetHeight(-22);
    EXPECT_GT(Width("Next"), plain * 3 / 2);
}

TEST_F(CanvasText, CalcRectMeasuresOneLine) {
    const TRect r = Measure("Next", 5, 0);
    EXPECT_EQ(r, Rect(0, 0, Width("Next"), 13));
    EXPECT_EQ(Measure("", 50, 0), Rect(0, 0, 0, 0));
}

TEST_F(CanvasText, PrefixIsNotMeasuredAndDoubleAmpersandIsOne) {
    EXPECT_EQ(Measure("&Next", 100, 0).Right, Width("Next"));
    EXPECT_EQ(Measure("A&&B", 100, 0).Right, Width("A&B"));
    EXPECT_EQ(Measure("&Next", 100, dtNoPrefix).Right, Width("&Next"));
}

TEST_F(CanvasText, WordBreakAtBlanksKeepsLongWordsWhole) {
    const TRect r = Measure("one two three", Width("one two") + 2, dtWordBreak);
    EXPECT_EQ(r.Right, Width("one two"));
    EXPECT_EQ(r.Bottom, 26);
    const TRect narrow = Measure("unbreakable word", 10, dtWordBreak);
    EXPECT_EQ(narrow.Right, Width("unbreakable"));
    EXPECT_EQ(narrow.Bottom, 26);
    const TRect zero = Measure("a bb ccc", 0, dtWordBreak);
    EXPECT_EQ(zero.Bottom, 39);
    EXPECT_EQ(zero.Right, Width("ccc"));
}

TEST_F(CanvasText, CarriageReturnsBreakLinesUnlessSingleLine) {
    EXPECT_EQ(Measure("ab\rcdef\r\nx\n", 100, 0), Rect(0, 0, Width("cdef"), 4 * 13));
    EXPECT_EQ(Measure("ab\rcd", 100, dtSingleLine), Rect(0, 0, Width("abcd"), 13));
}

TEST_F(CanvasText, DrawAlignsAndUnderlinesTheAccessKey) {
    canvas.Brush.Color = kBack;
    canvas.FillRect(Rect(0, 0, 200, 60));
    canvas.Font.SetColor(clBlack);
    TRect r = Rect(0, 0, 100, 13);
    EXPECT_EQ(canvas.DrawTextRect("&Exit", r, dtRight), 13);
    int leftmost = 200, underlined = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 200; ++x)
            if (surface.Pixel(x, y) == clBlack) leftmost = std::min(leftmost, x);
    for (int x = 0; x < 200; ++x) underlined += surface.Pixel(x, 11) == clBlack;
    EXPECT_EQ(leftmost, 100 - Width("Exit"));
    EXPECT_EQ(underlined, Width("E")); // the line under "E" only
    for (int x = 100; x < 200; ++x) EXPECT_EQ(surface.Pixel(x, 5), kBack) << x;
}

TEST_F(CanvasText, DrawCentresAndClipsToTheRectangle) {
    canvas.Brush.Color = kBack;
    canvas.FillRect(Rect(0, 0, 200, 60));
    canvas.Font.SetColor(clBlack);
    TRect r = Rect(10, 20, 10 + Width("WWWW") / 2, 33);
    canvas.DrawTextRect("WWWW", r, dtCenter | dtSingleLine | dtVCenter);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            if (surface.Pixel(x, y) == clBlack) {
                EXPECT_TRUE(r.Contains({x, y})) << x << "," << y;
            }
        }
}

} // namespace
