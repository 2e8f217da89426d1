#include <gtest/gtest.h>

#include <climits>

#include "shell/LbButtons.h"

namespace {

constexpr TColor Background = clCream;

// The wizard's button: 90 x 23, gradient style, centred bold white caption, bar colours.
TButtonFace WizardButton(const TFont& font) {
    TButtonFace face;
    face.W = 90;
    face.H = 23;
    face.Style = 2;
    face.Color = clNavy;
    face.LightColor = clBlue;
    face.ShadowColor = clLime;
    face.Font = &font;
    face.Caption = "&Next";
    face.Alignment = 2;
    return face;
}

TFont CaptionFont() {
    TFont font;
    font.SetColor(clWhite);
    font.SetStyle(fsBold);
    return font;
}

TBitmap Paint(const TButtonFace& face) {
    TBitmap bitmap(face.W, face.H);
    bitmap.Canvas().Brush.Color = Background;
    bitmap.Canvas().Brush.Style = bsSolid;
    bitmap.Canvas().FillRect(Rect(0, 0, face.W, face.H));
    PaintButtonFace(bitmap.Canvas(), face);
    return bitmap;
}

// Band i of a 32-band gradient between two colours.
TColor Band(TColor from, TColor to, int i) {
    const auto part = [i](int f, int t) { return int(f + i * (t - f) / 31.0); };
    return RGBColor(part(GetRValue(from), GetRValue(to)), part(GetGValue(from), GetGValue(to)),
                    part(GetBValue(from), GetBValue(to)));
}

// The band that shows in row Top + y: the last whose start i * S / 31 is y.
int LastBandAt(int y, int s) {
    int last = -1;
    for (int i = 0; i <= 31; ++i)
        if (i * s / 31 == y) last = i;
    return last;
}

struct TBox {
    int Left = INT_MAX, Top = INT_MAX, Right = -1, Bottom = -1;
    bool Empty() const { return Right < 0; }
};

TBox BoxOf(const TBitmap& bitmap, TColor color) {
    TBox box;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) == color) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

} // namespace

TEST(FacePainter, WizardButtonUpGradientRows) {
    const TFont font = CaptionFont();
    const TBitmap b = Paint(WizardButton(font));
    // First gradient, rows 2..4: bands 10, 20 and 30 of blue to navy.
    EXPECT_EQ(b.Pixel(10, 2), Band(clBlue, clNavy, 10));
    EXPECT_EQ(b.Pixel(10, 3), Band(clBlue, clNavy, 20));
    EXPECT_EQ(b.Pixel(10, 4), Band(clBlue, clNavy, 30));
    EXPECT_EQ(b.Pixel(10, 2), RGBColor(0, 0, 214));
    // Second gradient, rows 5..21 from navy back to blue; column 3 lies left of the caption.
    // Row 21 is covered by the inner outline.
    for (int y = 0; y <= 15; ++y) EXPECT_EQ(b.Pixel(3, 5 + y), Band(clNavy, clBlue, LastBandAt(y, 17))) << y;
    EXPECT_EQ(LastBandAt(0, 17), 1);
    EXPECT_EQ(LastBandAt(16, 17), 30);
    // The inner outline in the face colour, the lime rounded border, corners left alone.
    EXPECT_EQ(b.Pixel(45, 1), clNavy);
    EXPECT_EQ(b.Pixel(1, 11), clNavy);
    EXPECT_EQ(b.Pixel(88, 11), clNavy);
    EXPECT_EQ(b.Pixel(45, 21), clNavy);
    EXPECT_EQ(b.Pixel(45, 0), clLime);
    EXPECT_EQ(b.Pixel(45, 22), clLime);
    EXPECT_EQ(b.Pixel(0, 11), clLime);
    EXPECT_EQ(b.Pixel(89, 11), clLime);
    EXPECT_EQ(b.Pixel(0, 0), Background);
    EXPECT_EQ(b.Pixel(89, 22), Background);
}

TEST(FacePainter, WizardButtonCaptionCentredInItsRectangle) {
    const TFont font = CaptionFont();
    const TBitmap b = Paint(WizardButton(font));
    const TBox text = BoxOf(b, clWhite);
    ASSERT_FALSE(text.Empty());
    EXPECT_GE(text.Left, 4);
    EXPECT_LE(text.Right, 86);
    EXPECT_GE(text.Top, 5);
    EXPECT_LE(text.Bottom, 18);
    EXPECT_NEAR((text.Left + text.Right) / 2.0, 45.0, 1.5);
}

TEST(FacePainter, WizardButtonPressed) {
    const TFont font = CaptionFont();
    TButtonFace face = WizardButton(font);
    const TBox upText = BoxOf(Paint(face), clWhite);
    face.Down = true;
    const TBitmap b = Paint(face);
    // The split moves to row 6: rows 2..5 from the first gradient (S = 4), 6..21 from the second.
    for (int y = 0; y <= 3; ++y) EXPECT_EQ(b.Pixel(10, 2 + y), Band(clBlue, clNavy, LastBandAt(y, 4))) << y;
    for (int y = 0; y <= 14; ++y) EXPECT_EQ(b.Pixel(3, 6 + y), Band(clNavy, clBlue, LastBandAt(y, 16))) << y;
    // Inner outline from (1, 1) to (89, 22) in lime.
    EXPECT_EQ(b.Pixel(45, 1), clLime);
    EXPECT_EQ(b.Pixel(1, 11), clLime);
    EXPECT_EQ(b.Pixel(88, 11), clLime);
    EXPECT_EQ(b.Pixel(45, 21), clLime);
    // The caption moves one pixel right and down.
    const TBox downText = BoxOf(b, clWhite);
    EXPECT_EQ(downText.Left, upText.Left + 1);
    EXPECT_EQ(downText.Top, upText.Top + 1);
}

TEST(FacePainter, TooWideCaptionIsShortenedFromItsEnd) {
    const TFont font = CaptionFont();
    TButtonFace face = WizardButton(font);
    face.W = 60;
    face.Alignment = 0;
    face.Caption = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    TBitmap measure(1, 1);
    measure.Canvas().Font.Assign(font);
    std::string fitting = face.Caption;
    while (measure.Canvas().TextWidth(fitting) > face.W - 8) fitting.pop_back();
    ASSERT_FALSE(fitting.empty());
    ASSERT_LT(fitting.size(), face.Caption.size());

    const TBitmap shortened = Paint(face);
    face.Caption = fitting;
    EXPECT_EQ(Paint(face).Pixels(), shortened.Pixels()); // nothing such as an ellipsis added
    face.Caption.pop_back();
    EXPECT_NE(Paint(face).Pixels(), shortened.Pixels()); // no more than needed removed
}

TEST(FacePainter, DisabledIsNeverPressedAndGreyWithCellOne) {
    const TFont font = CaptionFont();
    TButtonFace face = WizardButton(font);
    const TBitmap up = Paint(face);
    face.Enabled = false;
    face.Down = true;
    const TBitmap b = Paint(face);
    EXPECT_EQ(b.Pixel(10, 4), up.Pixel(10, 4));
    EXPECT_EQ(b.Pixel(45, 1), clNavy);
    EXPECT_TRUE(BoxOf(b, clWhite).Empty());
    EXPECT_FALSE(BoxOf(b, clGray).Empty());
    EXPECT_EQ(BoxOf(b, clGray).Left, BoxOf(up, clWhite).Left);
}

TEST(FacePainter, TransparentLeavesTheBackgroundExceptForTheShapeStyle) {
    TFont font;
    for (std::uint8_t style : {1, 2, 3}) {
        TButtonFace face;
        face.W = 60;
        face.H = 20;
        face.Style = style;
        face.Color = clRed;
        face.Font = &font;
        face.Transparent = true;
        EXPECT_EQ(Paint(face).Pixel(30, 10), Background) << int(style);
        face.Transparent = false;
        EXPECT_NE(Paint(face).Pixel(30, 10), Background) << int(style);
    }
    TButtonFace shape;
    shape.W = 60;
    shape.H = 20;
    shape.Style = 4;
    shape.Font = &font;
    shape.Transparent = true;
    const TBitmap b = Paint(shape);
    EXPECT_EQ(b.Pixel(0, 0), clFuchsia);
    EXPECT_EQ(b.Pixel(59, 19), clFuchsia);
}

TEST(FacePainter, HotTrackColourFollowsTheFadeLevel) {
    const TColor face = RGBColor(10, 100, 201), hot = RGBColor(31, 0, 50);
    EXPECT_EQ(BlendFadeColor(face, hot, 4), RGBColor(20, 50, 125));
    EXPECT_EQ(BlendFadeColor(face, hot, 0), face);
    EXPECT_EQ(BlendFadeColor(face, hot, 8), hot);

    TFont font;
    TButtonFace button;
    button.W = 40;
    button.H = 20;
    button.Style = 1;
    button.Color = face;
    button.HotTrackColor = hot;
    button.FadeLevel = 4;
    button.Font = &font;
    EXPECT_EQ(Paint(button).Pixel(20, 10), RGBColor(20, 50, 125));
    button.Enabled = false; // no hot-tracking while disabled
    EXPECT_EQ(Paint(button).Pixel(20, 10), face);
    button.Enabled = true;
    button.Down = true;
    button.ColorWhenDown = clTeal;
    EXPECT_EQ(Paint(button).Pixel(20, 10), clTeal);
}

TEST(FacePainter, GlyphCellChosenByState) {
    // Four 8 x 8 cells in distinct colours; each cell's bottom-left pixel is its transparent colour.
    const TColor cells[4] = {clRed, clGreen, clBlue, clYellow};
    TBitmap strip(32, 8);
    for (int c = 0; c < 4; ++c)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) strip.SetPixel(c * 8 + x, y, (x == 0 && y == 7) ? clWhite : cells[c]);
    TFont font;
    TButtonFace face;
    face.W = 60;
    face.H = 24;
    face.Style = 1; // no press offset
    face.Color = clSilver;
    face.Font = &font;
    face.Glyph = &strip;
    face.NumGlyphs = 4;
    face.Alignment = 0; // glyph at left 4, top (24 - 8) / 2
    const auto cellShown = [&] { return Paint(face).Pixel(6, 10); };
    EXPECT_EQ(cellShown(), clRed);
    face.MouseInside = true;
    EXPECT_EQ(cellShown(), clYellow);
    face.Down = true;
    EXPECT_EQ(cellShown(), clBlue); // pressed wins over hot
    face.Enabled = false;
    EXPECT_EQ(cellShown(), clGreen);
    EXPECT_EQ(Paint(face).Pixel(4, 15), clSilver); // the transparent corner shows the face
    EXPECT_EQ(Paint(face).Pixel(5, 15), clGreen);

    // A disabled one-cell glyph has no cell 1 in its strip and shows its only cell.
    face.NumGlyphs = 1;
    strip.SetWidth(8);
    face.Enabled = false;
    EXPECT_EQ(cellShown(), clRed);
    EXPECT_EQ(Paint(face).Pixel(4, 15), clSilver);
}

TEST(FacePainter, GradientBandsAndEmptyLastBand) {
    TBitmap b(4, 40);
    b.Canvas().Brush.Color = clWhite;
    b.Canvas().FillRect(Rect(0, 0, 4, 40));
    FillGradient(b.Canvas(), clBlack, RGBColor(62, 124, 31), 0, 0, 4, 31);
    EXPECT_EQ(b.Pixel(1, 0), clBlack);
    EXPECT_EQ(b.Pixel(1, 30), RGBColor(60, 120, 30)); // one step short of the end colour
    EXPECT_EQ(b.Pixel(1, 31), clWhite); // nothing below Bottom
}

TEST(FacePainter, PopupArrowBelowTheRightEdge) {
    TFont font;
    TButtonFace face;
    face.W = 60;
    face.H = 20;
    face.Style = 1;
    face.Color = clSilver;
    face.Font = &font;
    face.HasPopup = true;
    const TBitmap b = Paint(face);
    // LBARROW at (W - 11, H div 2 - 1): a five-pixel top row narrowing to one pixel.
    EXPECT_EQ(b.Pixel(49, 9), clBlack);
    EXPECT_EQ(b.Pixel(53, 9), clBlack);
    EXPECT_EQ(b.Pixel(51, 11), clBlack);
    EXPECT_EQ(b.Pixel(49, 11), clSilver);
}

namespace {

// A 40 x 20 button of the given style in plain colours, no caption.
TButtonFace PlainButton(std::uint8_t style, const TFont& font) {
    TButtonFace face;
    face.W = 40;
    face.H = 20;
    face.Style = style;
    face.Color = clSilver;
    face.LightColor = clWhite;
    face.ShadowColor = clMaroon;
    face.Font = &font;
    return face;
}

} // namespace

TEST(FacePainter, EncartaBevelSwapsItsColoursWhenPressedAndHidesWhenFlat) {
    TFont font;
    TButtonFace face = PlainButton(1, font);
    TBitmap b = Paint(face);
    EXPECT_EQ(b.Pixel(0, 10), clWhite); // left
    EXPECT_EQ(b.Pixel(10, 0), clWhite); // top
    EXPECT_EQ(b.Pixel(0, 19), clWhite); // the bottom line stops short of its end point
    EXPECT_EQ(b.Pixel(39, 0), clMaroon); // right, from the corner down
    EXPECT_EQ(b.Pixel(10, 19), clMaroon); // bottom
    EXPECT_EQ(b.Pixel(20, 10), clSilver);
    face.Down = true;
    b = Paint(face);
    EXPECT_EQ(b.Pixel(0, 10), clMaroon);
    EXPECT_EQ(b.Pixel(39, 10), clWhite);

    face.Down = false;
    face.Flat = true;
    EXPECT_EQ(Paint(face).Pixel(0, 10), clSilver);
    face.MouseInside = true;
    EXPECT_EQ(Paint(face).Pixel(0, 10), clWhite);
    face.MouseInside = false;
    face.Enabled = false; // a disabled flat button shows no bevel either
    EXPECT_EQ(Paint(face).Pixel(0, 10), clSilver);
}

TEST(FacePainter, OldStyleDrawsADoubleBevel) {
    TFont font;
    TButtonFace face = PlainButton(3, font);
    const TColor dark = ColorToRGB(cl3DDkShadow);
    TBitmap b = Paint(face);
    EXPECT_EQ(b.Pixel(0, 10), clWhite);
    EXPECT_EQ(b.Pixel(10, 0), clWhite);
    EXPECT_EQ(b.Pixel(38, 10), clMaroon); // inner right
    EXPECT_EQ(b.Pixel(10, 18), clMaroon); // inner bottom
    EXPECT_EQ(b.Pixel(39, 10), dark);
    EXPECT_EQ(b.Pixel(10, 19), dark);
    EXPECT_EQ(b.Pixel(0, 19), dark); // the outer bottom line runs to the left edge
    face.Down = true;
    b = Paint(face);
    EXPECT_EQ(b.Pixel(0, 10), dark);
    EXPECT_EQ(b.Pixel(1, 10), clMaroon); // inner left
    EXPECT_EQ(b.Pixel(10, 1), clMaroon); // inner top
    EXPECT_EQ(b.Pixel(39, 10), clWhite);
    EXPECT_EQ(b.Pixel(38, 10), clSilver);
}

TEST(FacePainter, QuickenStyleHasARoundedFaceAndTwoShadowLines) {
    TFont font;
    const TBitmap b = Paint(PlainButton(5, font));
    EXPECT_EQ(b.Pixel(10, 0), clMaroon);
    EXPECT_EQ(b.Pixel(10, 19), clMaroon);
    EXPECT_EQ(b.Pixel(2, 0), Background); // the lines start 4 px in
    EXPECT_EQ(b.Pixel(36, 0), Background); // and end before W - 5
    EXPECT_EQ(b.Pixel(10, 10), clSilver);
    EXPECT_EQ(b.Pixel(0, 0), Background); // rounded corner
}

TEST(FacePainter, GlyphPlacementForEachLayout) {
    TBitmap glyph(8, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) glyph.SetPixel(x, y, (x == 0 && y == 5) ? clWhite : clRed);
    const TFont font = CaptionFont();
    TButtonFace face = PlainButton(1, font);
    face.W = 90;
    face.H = 40;
    face.Caption = "Ab";
    face.Glyph = &glyph;
    face.NumGlyphs = 1;

    TBitmap measure(1, 1);
    measure.Canvas().Font.Assign(font);
    TRect text = Rect(0, 0, 90 - 8 - 12, 0);
    measure.Canvas().DrawTextRect("Ab", text, dtCalcRect | dtWordBreak);
    const int tw = text.Right, th = text.Bottom;
    ASSERT_GT(tw, 0);
    ASSERT_GT(th, 0);
    // Top-left of the glyph cell: its transparent corner leaves the top row's first pixel red.
    const auto glyphAt = [&](std::uint8_t layout, std::uint8_t alignment) {
        face.Layout = layout;
        face.Alignment = alignment;
        const TBox box = BoxOf(Paint(face), clRed);
        return std::make_pair(box.Left, box.Top);
    };
    EXPECT_EQ(glyphAt(0, 0), std::make_pair(4, (40 - 6) / 2));
    EXPECT_EQ(glyphAt(0, 1), std::make_pair(90 - 4 - 8 - (tw + 4), (40 - 6) / 2));
    EXPECT_EQ(glyphAt(1, 0), std::make_pair(4 + tw + 4, (40 - 6) / 2));
    EXPECT_EQ(glyphAt(1, 2), std::make_pair((90 - 8) / 2 + (tw + 4) / 2, (40 - 6) / 2));
    const int blockTop = (40 - (th + 6 + 4)) / 2;
    EXPECT_EQ(glyphAt(2, 0), std::make_pair(4, blockTop));
    EXPECT_EQ(glyphAt(3, 1), std::make_pair(90 - 8 - 4, blockTop + th));
    face.Down = true; // pressed: one pixel right and down
    EXPECT_EQ(glyphAt(3, 2), std::make_pair((90 - 8) / 2, blockTop + th)); // style 1 has no press offset
    face.Style = 3;
    EXPECT_EQ(glyphAt(3, 2), std::make_pair((90 - 8) / 2 + 1, blockTop + th + 1));
}
