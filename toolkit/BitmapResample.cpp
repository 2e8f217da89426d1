// A bitmap resampled by area: what the pictures are shown with at another DPI.
#include <algorithm>
#include <vector>

#include "toolkit/Graphics.h"

namespace {

// How much of each source pixel one target pixel covers, along one axis (weights in units
// of 1/target of a source pixel, summing to source per target pixel).
struct Tap {
    int Source;
    int Weight;
};

std::vector<std::vector<Tap>> Taps(int source, int target) {
    std::vector<std::vector<Tap>> taps(target);
    for (int t = 0; t < target; ++t) {
        const long long begin = (long long)t * source, end = begin + source; // in 1/target units
        for (long long s = begin / target; s * target < end && s < source; ++s) {
            const long long from = std::max(begin, s * target), to = std::min(end, (s + 1) * target);
            if (to > from) taps[t].push_back({int(s), int(to - from)});
        }
    }
    return taps;
}

} // namespace

const TBitmap& TBitmap::Resampled(int width, int height) const {
    if (resampled_ && resampled_->Width() == width && resampled_->Height() == height) return *resampled_;
    auto result = std::make_unique<TBitmap>(width, height);
    const TColor key = TransparentColor();
    const auto columns = Taps(width_, width), rows = Taps(height_, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            long long r = 0, g = 0, b = 0, opaque = 0, total = 0;
            for (const Tap& row : rows[y])
                for (const Tap& column : columns[x]) {
                    const long long weight = (long long)row.Weight * column.Weight;
                    total += weight;
                    const TColor c = pixels_[std::size_t(row.Source) * width_ + column.Source];
                    if (Transparent && c == key) continue;
                    opaque += weight;
                    r += GetRValue(c) * weight;
                    g += GetGValue(c) * weight;
                    b += GetBValue(c) * weight;
                }
            if (opaque == 0 || 2 * opaque < total) {
                result->pixels_[std::size_t(y) * width + x] = key;
                continue;
            }
            const auto mean = [opaque](long long sum) { return int((sum + opaque / 2) / opaque); };
            result->pixels_[std::size_t(y) * width + x] = RGBColor(mean(r), mean(g), mean(b));
        }
    result->Transparent = Transparent;
    result->TransparentColorValue = key;
    resampled_ = std::move(result);
    return *resampled_;
}
