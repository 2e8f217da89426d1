// libFuzzer target: every input, its first two bytes taken as the image's size (little-endian,
// plus one) and the rest as a stored stream, decodes to exactly that many bytes or to nothing;
// a crash, a hang or a result of another size is a finding.
#include <cstdint>
#include <cstdlib>

#include "engine/PayloadCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t imageSize = std::size_t(data[0] | data[1] << 8) + 1;
    const std::vector<std::uint8_t> image = DecodeStoredImage(data + 2, size - 2, imageSize);
    if (!image.empty() && image.size() != imageSize) std::abort();
    return 0;
}
