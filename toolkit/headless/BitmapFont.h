// The built-in bitmap font that the raster canvas writes with. Glyphs are designed on a
// 13-pixel line (the line of an 8-point font) and scaled nearest-neighbour to other sizes;
// the font is proportional: each character advances by its own width plus one column.
// A negative font height -h is a character height with a line of round(h * 13 / 11)
// pixels; a positive height is the line height itself. Bold adds one column.
#pragma once

#include <functional>
#include <string>

#include "toolkit/Graphics.h"

namespace bitmapfont {

struct Metrics {
    int LineHeight = 13;
    double Scale = 1.0; // line height / 13
    bool Bold = false;
    int UnderlineRow = 11; // row of the line, from the line's top
    int StrikeOutRow = 7;
};

Metrics MetricsOf(const TFont& font);
int CharWidth(const Metrics& metrics, unsigned char c);
int TextWidth(const Metrics& metrics, const std::string& text);

// Calls plot(x, y) for each inked pixel of the character, relative to the top-left of its cell.
void ForEachPixel(const Metrics& metrics, unsigned char c, const std::function<void(int, int)>& plot);

} // namespace bitmapfont
