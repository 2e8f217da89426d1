// Line layout of DrawTextA-style text for the raster canvas: access-key prefixes, line
// breaks and word breaks at blanks.
#pragma once

#include <string>
#include <vector>

#include "toolkit/headless/BitmapFont.h"

struct TextLine {
    std::string Text;
    std::vector<bool> Underlined; // per character: the access key after an '&'
    int Width = 0;
};

// Breaks the text into lines for the flags (dtSingleLine, dtWordBreak, dtNoPrefix) and a
// line width in pixels. A word wider than the line stands alone on its line, unsplit.
std::vector<TextLine> LayoutText(const std::string& text, unsigned flags, int lineWidth,
                                 const bitmapfont::Metrics& metrics);
