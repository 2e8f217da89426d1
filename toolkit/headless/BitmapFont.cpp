// Glyph design and rendering of the built-in bitmap font.
#include "toolkit/headless/BitmapFont.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace bitmapfont {
namespace {

// Each glyph: rows from the cap line down, separated by blanks; '#' is ink. Rows 0 to 6 lie
// above the baseline, rows 7 and 8 below it. Missing rows are blank.
struct Glyph {
    char Code;
    const char* Rows;
};

constexpr Glyph kGlyphs[] = {
    {' ', ".."},
    {'!', "# # # # # . #"},
    {'"', "#.# #.#"},
    {'#', ".#.#. .#.#. ##### .#.#. ##### .#.#. .#.#."},
    {'$', "..#.. .#### #.#.. .###. ..#.# ####. ..#.."},
    {'%', "##... ##..# ...#. ..#.. .#... #..## ...##"},
    {'&', ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#"},
    {'\'', "# #"},
    {'(', "..# .#. #.. #.. #.. #.. #.. .#. ..#"},
    {')', "#.. .#. ..# ..# ..# ..# ..# .#. #.."},
    {'*', "..... ..#.. #.#.# .###. #.#.# ..#.."},
    {'+', "..... ..#.. ..#.. ##### ..#.. ..#.."},
    {',', ".. .. .. .. .. .# .# #."},
    {'-', ".... .... .... ####"},
    {'.', ". . . . . . #"},
    {'/', "....# ...#. ...#. ..#.. .#... .#... #...."},
    {'0', ".###. #...# #..## #.#.# ##..# #...# .###."},
    {'1', "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###."},
    {'2', ".###. #...# ....# ...#. ..#.. .#... #####"},
    {'3', ".###. #...# ....# ..##. ....# #...# .###."},
    {'4', "...#. ..##. .#.#. #..#. ##### ...#. ...#."},
    {'5', "##### #.... ####. ....# ....# #...# .###."},
    {'6', "..##. .#... #.... ####. #...# #...# .###."},
    {'7', "##### ....# ...#. ..#.. .#... .#... .#..."},
    {'8', ".###. #...# #...# .###. #...# #...# .###."},
    {'9', ".###. #...# #...# .#### ....# ...#. .##.."},
    {':', ". . # . . # ."},
    {';', ".. .. .# .. .. .# .# #."},
    {'<', "...# ..#. .#.. #... .#.. ..#. ...#"},
    {'=', ".... .... #### .... ####"},
    {'>', "#... .#.. ..#. ...# ..#. .#.. #..."},
    {'?', ".###. #...# ....# ...#. ..#.. ..... ..#.."},
    {'@', ".###. #...# #.### #.#.# #.### #.... .###."},
    {'A', ".###. #...# #...# ##### #...# #...# #...#"},
    {'B', "####. #...# #...# ####. #...# #...# ####."},
    {'C', ".###. #...# #.... #.... #.... #...# .###."},
    {'D', "####. #...# #...# #...# #...# #...# ####."},
    {'E', "##### #.... #.... ####. #.... #.... #####"},
    {'F', "##### #.... #.... ####. #.... #.... #...."},
    {'G', ".###. #...# #.... #.### #...# #...# .####"},
    {'H', "#...# #...# #...# ##### #...# #...# #...#"},
    {'I', "### .#. .#. .#. .#. .#. ###"},
    {'J', "..## ...# ...# ...# ...# #..# .##."},
    {'K', "#...# #..#. #.#.. ##... #.#.. #..#. #...#"},
    {'L', "#... #... #... #... #... #... ####"},
    {'M', "#...# ##.## #.#.# #.#.# #...# #...# #...#"},
    {'N', "#...# ##..# #.#.# #..## #...# #...# #...#"},
    {'O', ".###. #...# #...# #...# #...# #...# .###."},
    {'P', "####. #...# #...# ####. #.... #.... #...."},
    {'Q', ".###. #...# #...# #...# #.#.# #..#. .##.#"},
    {'R', "####. #...# #...# ####. #.#.. #..#. #...#"},
    {'S', ".###. #...# #.... .###. ....# #...# .###."},
    {'T', "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
    {'U', "#...# #...# #...# #...# #...# #...# .###."},
    {'V', "#...# #...# #...# #...# #...# .#.#. ..#.."},
    {'W', "#...# #...# #...# #.#.# #.#.# ##.## #...#"},
    {'X', "#...# #...# .#.#. ..#.. .#.#. #...# #...#"},
    {'Y', "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#.."},
    {'Z', "##### ....# ...#. ..#.. .#... #.... #####"},
    {'[', "### #.. #.. #.. #.. #.. #.. #.. ###"},
    {'\\', "#.... .#... .#... ..#.. ...#. ...#. ....#"},
    {']', "### ..# ..# ..# ..# ..# ..# ..# ###"},
    {'^', "..#.. .#.#. #...#"},
    {'_', "..... ..... ..... ..... ..... ..... ..... #####"},
    {'`', "#. .#"},
    {'a', "..... ..... .###. ....# .#### #...# .####"},
    {'b', "#.... #.... ####. #...# #...# #...# ####."},
    {'c', ".... .... .### #... #... #... .###"},
    {'d', "....# ....# .#### #...# #...# #...# .####"},
    {'e', "..... ..... .###. #...# ##### #.... .###."},
    {'f', "..## .#.. #### .#.. .#.. .#.. .#.."},
    {'g', "..... ..... .#### #...# #...# #...# .#### ....# .###."},
    {'h', "#.... #.... ####. #...# #...# #...# #...#"},
    {'i', "# . # # # # #"},
    {'j', "..# ... ..# ..# ..# ..# ..# ..# ##."},
    {'k', "#... #... #..# #.#. ##.. #.#. #..#"},
    {'l', "# # # # # # #"},
    {'m', "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.#"},
    {'n', "..... ..... ####. #...# #...# #...# #...#"},
    {'o', "..... ..... .###. #...# #...# #...# .###."},
    {'p', "..... ..... ####. #...# #...# #...# ####. #.... #...."},
    {'q', "..... ..... .#### #...# #...# #...# .#### ....# ....#"},
    {'r', ".... .... #.## ##.. #... #... #..."},
    {'s', ".... .... .### #... .##. ...# ###."},
    {'t', ".#. .#. ### .#. .#. .#. ..#"},
    {'u', "..... ..... #...# #...# #...# #...# .####"},
    {'v', "..... ..... #...# #...# #...# .#.#. ..#.."},
    {'w', "..... ..... #...# #...# #.#.# #.#.# .#.#."},
    {'x', "..... ..... #...# .#.#. ..#.. .#.#. #...#"},
    {'y', "..... ..... #...# #...# #...# #...# .#### ....# .###."},
    {'z', "..... ..... ##### ...#. ..#.. .#... #####"},
    {'{', "..# .#. .#. .#. #.. .#. .#. .#. ..#"},
    {'|', "# # # # # # # # #"},
    {'}', "#.. .#. .#. .#. ..# .#. .#. .#. #.."},
    {'~', "..... ..... .#... #.#.# ...#."},
};

// Characters without a design of their own show as a box.
constexpr Glyph kUnknown = {'\0', "#### #..# #..# #..# #..# #..# ####"};

constexpr int kBaseLine = 13; // the design line height
constexpr int kTopMargin = 3; // blank rows above the cap line

const Glyph& GlyphOf(unsigned char c) {
    static const Glyph* table[256] = {};
    static bool filled = false;
    if (!filled) {
        for (const Glyph& g : kGlyphs) table[static_cast<unsigned char>(g.Code)] = &g;
        filled = true;
    }
    return table[c] ? *table[c] : kUnknown;
}

int DesignWidth(const Glyph& g) {
    return int(std::strcspn(g.Rows, " "));
}

// Whether the design has ink at (column, row).
bool Ink(const Glyph& g, int column, int row) {
    const int width = DesignWidth(g);
    const std::size_t length = std::strlen(g.Rows);
    const std::size_t at = std::size_t(row) * (width + 1) + column;
    return column < width && at < length && g.Rows[at] == '#';
}

} // namespace

Metrics MetricsOf(const TFont& font) {
    Metrics m;
    const int height = font.Height();
    if (height < 0)
        m.LineHeight = int(std::lround(-height * 13.0 / 11.0));
    else if (height > 0)
        m.LineHeight = height;
    if (m.LineHeight < 1) m.LineHeight = 1;
    m.Scale = m.LineHeight / double(kBaseLine);
    m.Bold = (font.Style() & fsBold) != 0;
    m.UnderlineRow = int(std::ceil(11 * m.Scale));
    m.StrikeOutRow = int(std::ceil(7 * m.Scale));
    if (m.UnderlineRow >= m.LineHeight) m.UnderlineRow = m.LineHeight - 1;
    return m;
}

int CharWidth(const Metrics& metrics, unsigned char c) {
    if (c == '\r' || c == '\n') return 0;
    const int advance = int(std::lround((DesignWidth(GlyphOf(c)) + 1) * metrics.Scale));
    return std::max(1, advance) + (metrics.Bold ? 1 : 0);
}

int TextWidth(const Metrics& metrics, const std::string& text) {
    int width = 0;
    for (unsigned char c : text) width += CharWidth(metrics, c);
    return width;
}

void ForEachPixel(const Metrics& metrics, unsigned char c, const std::function<void(int, int)>& plot) {
    if (c == ' ' || c == '\r' || c == '\n') return;
    const Glyph& g = GlyphOf(c);
    const int width = CharWidth(metrics, c) - (metrics.Bold ? 1 : 0);
    for (int y = 0; y < metrics.LineHeight; ++y) {
        const int row = int(y / metrics.Scale) - kTopMargin;
        if (row < 0) continue;
        for (int x = 0; x < width; ++x) {
            if (!Ink(g, int(x / metrics.Scale), row)) continue;
            plot(x, y);
            if (metrics.Bold) plot(x + 1, y);
        }
    }
}

} // namespace bitmapfont
