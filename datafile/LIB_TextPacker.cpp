#include "datafile/LIB_TextPacker.h"

#include <cstdint>

#include "datafile/Web_Endpoints.h"

// clang-format off
const std::array<TPackEntry, 62> PackDictionary = {{
    {MakerSiteAddress, 'A'}, {ProductSiteAddress, 'B'},
    {SearchServiceAddress1, 'C'}, {SearchServiceAddress2, 'D'},
    {"http:/www.", 'E'}, {"http://WWW.", 'F'}, {"http://", 'G'}, {"HTTP://", 'H'},
    {"Http://", 'I'}, {"WWW.", 'J'}, {"www.", 'K'},
    {".com/", 'L'}, {".COM/", 'M'}, {".com", 'N'}, {".COM", 'O'},
    {".net/", 'P'}, {".NET/", 'Q'}, {".net", 'R'}, {".NET", 'S'},
    {".HTML", 'T'}, {".html", 'U'}, {".htm", 'V'}, {".HTM", 'W'},
    {".mp3", 'X'}, {".MP3", 'a'}, {".Mp3", 'b'}, {".wma", 'c'}, {".WMA", 'd'},
    {".avi", 'e'}, {".AVI", 'f'}, {".MPG", 'g'}, {".mpg", 'h'}, {".MPEG", 'i'}, {".mpeg", 'j'},
    {".asf", 'k'}, {".ASF", 'l'}, {".JPG", 'm'}, {".jpg", 'n'}, {".Jpg", 'o'},
    {".GIF", 'p'}, {".gif", 'q'}, {".ZIP", 'r'}, {".zip", 's'}, {".Zip", 't'},
    {".exe", 'u'}, {".EXE", 'v'}, {".iso", 'w'}, {".ISO", 'x'},
    {" the ", '/'}, {" The ", '\\'}, {" sex", ':'}, {" xxx ", '0'}, {" XXX ", '1'},
    {" girl", '2'}, {" Girl", '3'}, {" - ", '4'}, {"index", '5'}, {" with ", '6'},
    {" new ", '7'}, {"01 ", '8'}, {"02 ", '9'}, {"03 ", '.'},
}};
// clang-format on

namespace {

constexpr char Mark = 'Q';
constexpr int GroupBits = 6;
constexpr int PageCount = 5;

struct TCode {
    int Page; // number of all-zero groups before the value
    int Value; // 1 to 63
};

TCode CodeOf(std::uint8_t b) {
    if (b == 32) return {0, 1};
    if (b >= 46 && b <= 58) return {0, b - 44};
    if (b >= 65 && b <= 88) return {0, b - 50};
    if (b >= 97 && b <= 120) return {0, b - 58};
    if (b == 92) return {0, 63};
    if (b >= 121 && b <= 126) return {1, b - 120};
    if (b >= 89 && b <= 91) return {1, b - 82};
    if (b >= 93 && b <= 96) return {1, b - 83};
    if (b >= 59 && b <= 64) return {1, b - 45};
    if (b >= 33 && b <= 45) return {1, b - 13};
    if (b >= 127 && b <= 157) return {1, b - 94};
    if (b >= 158 && b <= 220) return {2, b - 157};
    if (b >= 221) return {3, b - 220};
    if (b >= 4) return {3, b + 32};
    return {4, b + 1};
}

// The byte of each page and value, or -1 where no byte has that code.
struct TDecodeTable {
    int Byte[PageCount][64];
    TDecodeTable() {
        for (auto& page : Byte)
            for (int& b : page) b = -1;
        for (int b = 0; b < 256; ++b) {
            const TCode code = CodeOf(static_cast<std::uint8_t>(b));
            Byte[code.Page][code.Value] = b;
        }
    }
};

// Pending bits are flushed as one byte, first bit most significant, once eight are held
// and another bit arrives.
class TBitWriter {
public:
    void PutBit(int bit) {
        if (count_ == 8) FlushBits();
        pending_ = static_cast<std::uint8_t>(pending_ << 1 | bit);
        ++count_;
    }
    void PutCode(const TCode& code) {
        for (int i = 0; i < code.Page * GroupBits; ++i) PutBit(0);
        for (int i = GroupBits - 1; i >= 0; --i) PutBit(code.Value >> i & 1);
    }
    std::string Finish() {
        if (count_ > 0) {
            pending_ = static_cast<std::uint8_t>(pending_ << (8 - count_));
            FlushBits();
        }
        return out_;
    }

private:
    void FlushBits() {
        out_ += static_cast<char>(pending_);
        pending_ = 0;
        count_ = 0;
    }
    std::string out_;
    std::uint8_t pending_ = 0;
    int count_ = 0;
};

std::string EscapeMarks(const std::string& text) {
    std::string t;
    for (const char c : text) {
        t += c;
        if (c == Mark) t += ' ';
    }
    return t;
}

void Substitute(std::string& t) {
    for (const TPackEntry& entry : PackDictionary) {
        const std::string substring = entry.Substring;
        for (auto at = t.find(substring); at != std::string::npos; at = t.find(substring))
            t.replace(at, substring.size(), std::string{Mark, entry.Substitute});
    }
}

std::optional<std::string> DecodeGroups(const std::string& packed) {
    static const TDecodeTable table;
    const std::size_t totalBits = packed.size() * 8;
    const auto bitAt = [&packed](std::size_t i) { return static_cast<std::uint8_t>(packed[i / 8]) >> (7 - i % 8) & 1; };
    const auto zeroFrom = [&](std::size_t i) {
        for (; i < totalBits; ++i)
            if (bitAt(i)) return false;
        return true;
    };

    std::string t;
    int page = 0;
    std::size_t at = 0;
    while (at < totalBits) {
        if (totalBits - at < 8 && zeroFrom(at)) break; // the zero fill of the last byte
        if (totalBits - at < GroupBits) return std::nullopt;
        int group = 0;
        for (int i = 0; i < GroupBits; ++i) group = group << 1 | bitAt(at++);
        if (group == 0) {
            if (++page == PageCount) return std::nullopt;
            continue;
        }
        const int b = table.Byte[page][group];
        if (b < 0) return std::nullopt;
        t += static_cast<char>(b);
        page = 0;
    }
    if (page != 0) return std::nullopt;
    return t;
}

std::optional<std::string> ExpandMarks(const std::string& t) {
    std::string text;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != Mark) {
            text += t[i];
            continue;
        }
        if (++i == t.size()) return std::nullopt;
        if (t[i] == ' ') {
            text += Mark;
            continue;
        }
        const TPackEntry* entry = nullptr;
        for (const TPackEntry& candidate : PackDictionary)
            if (candidate.Substitute == t[i]) entry = &candidate;
        if (!entry) return std::nullopt;
        text += entry->Substring;
    }
    return text;
}

} // namespace

std::string PackText(const std::string& text) {
    std::string t = EscapeMarks(text);
    Substitute(t);
    TBitWriter bits;
    for (const char c : t) bits.PutCode(CodeOf(static_cast<std::uint8_t>(c)));
    return bits.Finish();
}

std::optional<std::string> UnpackText(const std::string& packed) {
    const auto t = DecodeGroups(packed);
    if (!t) return std::nullopt;
    return ExpandMarks(*t);
}
