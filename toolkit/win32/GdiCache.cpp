// Fonts and brushes made once per distinct value and kept for the program's life.
#include <map>
#include <tuple>

#include "toolkit/win32/Win32Common.h"

namespace win32 {

HFONT FontHandle(const TFont& font, const TScale& scale) {
    using Key = std::tuple<std::string, int, TFontStyles>;
    static std::map<Key, HFONT> fonts;
    const int height = scale.Apply(font.Height());
    Key key{font.Name(), height, font.Style()};
    auto found = fonts.find(key);
    if (found != fonts.end()) return found->second;
    const TFontStyles style = font.Style();
    HFONT handle =
        CreateFontA(height, 0, 0, 0, (style & fsBold) ? FW_BOLD : FW_NORMAL, (style & fsItalic) != 0,
                    (style & fsUnderline) != 0, (style & fsStrikeOut) != 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.Name().c_str());
    if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts.emplace(key, handle);
    return handle;
}

HBRUSH SolidBrush(TColor color) {
    static std::map<COLORREF, HBRUSH> brushes;
    const COLORREF value = ToColorRef(color);
    auto found = brushes.find(value);
    if (found != brushes.end()) return found->second;
    HBRUSH brush = CreateSolidBrush(value);
    brushes.emplace(value, brush);
    return brush;
}

} // namespace win32
