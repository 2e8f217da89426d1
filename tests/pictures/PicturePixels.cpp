// Decodes built-in JPEG pictures with this build's decoder, and writes or compares their pixels.
//   picture_pixels write DIR NAME...     DIR/NAME.ppm for each picture
//   picture_pixels compare DIR NAME...   this decode against DIR/NAME.ppm; exit 1 on a difference
// Two correct decoders may round differently (IDCT, chroma upsampling): a channel may differ by
// a few steps, more only at a few sharp colour edges; the mean difference stays small.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/Embedded.h"
#include "toolkit/Graphics.h"

namespace {

constexpr int LargeDifference = 16;
constexpr double MaxLargeShare = 0.01; // of the channel values
constexpr double MaxMeanDifference = 1.5;

struct Image {
    int Width = 0, Height = 0;
    std::vector<unsigned char> Rgb;
};

bool Decode(const std::string& name, Image& image) {
    const EmbeddedFile file = EmbeddedResource(name);
    TBitmap bitmap;
    if (!bitmap.LoadFromJpeg(file.Data, file.Size)) return false;
    image.Width = bitmap.Width();
    image.Height = bitmap.Height();
    for (TColor pixel : bitmap.Pixels())
        image.Rgb.insert(image.Rgb.end(), {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)});
    return true;
}

bool Write(const std::string& path, const Image& image) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.Width << ' ' << image.Height << "\n255\n";
    out.write(reinterpret_cast<const char*>(image.Rgb.data()), std::streamsize(image.Rgb.size()));
    return bool(out);
}

bool Read(const std::string& path, Image& image) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    in >> magic >> image.Width >> image.Height >> maximum;
    in.get();
    image.Rgb.assign(std::istreambuf_iterator<char>(in), {});
    return magic == "P6" && maximum == 255 && image.Rgb.size() == std::size_t(image.Width) * image.Height * 3;
}

bool Same(const std::string& name, const Image& mine, const Image& theirs) {
    if (mine.Width != theirs.Width || mine.Height != theirs.Height) {
        std::printf("%s: %dx%d against %dx%d\n", name.c_str(), mine.Width, mine.Height, theirs.Width, theirs.Height);
        return false;
    }
    long long total = 0, large = 0;
    for (std::size_t i = 0; i < mine.Rgb.size(); ++i) {
        const int difference = std::abs(int(mine.Rgb[i]) - int(theirs.Rgb[i]));
        total += difference;
        large += difference > LargeDifference;
    }
    const double values = double(mine.Rgb.size()), mean = double(total) / values, largeShare = double(large) / values;
    const bool same = largeShare <= MaxLargeShare && mean <= MaxMeanDifference;
    std::printf("%s %s: %dx%d, mean channel difference %.3f, %.3f%% of them over %d\n", same ? "same" : "DIFFERENT",
                name.c_str(), mine.Width, mine.Height, mean, 100 * largeShare, LargeDifference);
    return same;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode != "write" && mode != "compare") {
        std::fprintf(stderr, "usage: picture_pixels write|compare DIR NAME...\n");
        return 2;
    }
    const std::string dir = argv[2];
    bool ok = argc > 3;
    for (int i = 3; i < argc; ++i) {
        const std::string name = argv[i], path = dir + "/" + name + ".ppm";
        Image mine, theirs;
        if (!Decode(name, mine)) {
            std::printf("%s: not decoded\n", name.c_str());
            ok = false;
        } else if (mode == "write") {
            ok = Write(path, mine) && ok;
        } else if (!Read(path, theirs)) {
            std::printf("%s: no pixels in %s\n", name.c_str(), path.c_str());
            ok = false;
        } else {
            ok = Same(name, mine, theirs) && ok;
        }
    }
    return ok ? 0 : 1;
}
