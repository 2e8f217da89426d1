// DrawTextA-style line layout.
#include "toolkit/headless/TextLayout.h"

namespace {

// The text with its '&' prefixes taken out: "&&" is a literal '&', "&x" underlines x.
TextLine StripPrefixes(const std::string& text, bool noPrefix) {
    TextLine out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool underline = false;
        if (!noPrefix && text[i] == '&') {
            if (++i == text.size()) break;
            underline = text[i] != '&';
        }
        out.Text += text[i];
        out.Underlined.push_back(underline);
    }
    return out;
}

TextLine Slice(const TextLine& line, std::size_t from, std::size_t to) {
    TextLine out;
    out.Text = line.Text.substr(from, to - from);
    out.Underlined.assign(line.Underlined.begin() + from, line.Underlined.begin() + to);
    return out;
}

std::vector<TextLine> SplitParagraphs(const TextLine& text) {
    std::vector<TextLine> paragraphs;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.Text.size(); ++i) {
        if (i < text.Text.size() && text.Text[i] != '\r' && text.Text[i] != '\n') continue;
        paragraphs.push_back(Slice(text, start, i));
        if (i + 1 < text.Text.size() && text.Text[i] == '\r' && text.Text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return paragraphs;
}

TextLine WithoutLineBreaks(const TextLine& text) {
    TextLine out;
    for (std::size_t i = 0; i < text.Text.size(); ++i) {
        if (text.Text[i] == '\r' || text.Text[i] == '\n') continue;
        out.Text += text.Text[i];
        out.Underlined.push_back(text.Underlined[i]);
    }
    return out;
}

std::size_t TrimmedEnd(const std::string& s, std::size_t from, std::size_t to) {
    while (to > from && s[to - 1] == ' ') --to;
    return to;
}

// Greedy filling: words join a line while it fits; the blanks at a break are dropped.
void BreakWords(const TextLine& paragraph, int lineWidth, const bitmapfont::Metrics& metrics,
                std::vector<TextLine>& lines) {
    const std::string& s = paragraph.Text;
    std::size_t lineStart = 0, lineEnd = 0; // the line so far: [lineStart, lineEnd)
    bool hasWord = false;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t wordStart = i;
        while (wordStart < s.size() && s[wordStart] == ' ') ++wordStart;
        if (wordStart == s.size()) break;
        std::size_t wordEnd = wordStart;
        while (wordEnd < s.size() && s[wordEnd] != ' ') ++wordEnd;
        const int width = bitmapfont::TextWidth(metrics, s.substr(lineStart, wordEnd - lineStart));
        if (hasWord && width > lineWidth) {
            lines.push_back(Slice(paragraph, lineStart, TrimmedEnd(s, lineStart, lineEnd)));
            lineStart = wordStart;
        }
        lineEnd = wordEnd;
        hasWord = true;
        i = wordEnd;
    }
    lines.push_back(Slice(paragraph, lineStart, hasWord ? lineEnd : TrimmedEnd(s, lineStart, s.size())));
}

} // namespace

std::vector<TextLine> LayoutText(const std::string& text, unsigned flags, int lineWidth,
                                 const bitmapfont::Metrics& metrics) {
    const TextLine stripped = StripPrefixes(text, (flags & dtNoPrefix) != 0);
    std::vector<TextLine> lines;
    if (stripped.Text.empty()) return lines;
    if (flags & dtSingleLine) {
        lines.push_back(WithoutLineBreaks(stripped));
    } else {
        for (const TextLine& paragraph : SplitParagraphs(stripped)) {
            if (flags & dtWordBreak)
                BreakWords(paragraph, lineWidth, metrics, lines);
            else
                lines.push_back(paragraph);
        }
    }
    for (TextLine& line : lines) line.Width = bitmapfont::TextWidth(metrics, line.Text);
    return lines;
}
