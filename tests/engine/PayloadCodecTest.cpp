// The stored application: the branch filter both ways on real program bytes, the build's
// stream decoded to the file it was made from, and damaged streams refused, never a crash.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "engine/PB_Pictoro.h"
#include "engine/PayloadCheck.h"
#include "engine/PayloadCodec.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes CarriedFile() {
    std::ifstream in(PICTORO_PAYLOAD_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes Stored() {
    return {PayloadStored, PayloadStored + PayloadStoredSize};
}

// What the installer does with stored bytes: decode, then compare with the maker's CRC-32.
bool Refused(const Bytes& stored) {
    const Bytes image = DecodeStoredImage(stored.data(), stored.size(), PayloadSize);
    return image.empty() || !PayloadIntact(image.data(), image.size(), PayloadImageCrc);
}

} // namespace

TEST(PayloadCodec, TheFilterConvertsCallsOfARealProgramAndGivesItBack) {
    const Bytes program = CarriedFile();
    ASSERT_EQ(program.size(), std::size_t(PayloadSize));
    Bytes filtered = program;
    BranchFilterEncode(filtered.data(), filtered.size());
    std::size_t changed = 0;
    for (std::size_t i = 0; i < program.size(); ++i) changed += program[i] != filtered[i];
    EXPECT_GT(changed, 100u); // the stand-in's code has calls
    BranchFilterDecode(filtered.data(), filtered.size());
    EXPECT_EQ(filtered, program);
}

TEST(PayloadCodec, TheFilterGivesBackBranchBytesEverywhereAndAtTheEnd) {
    // Call and jump bytes at every distance from each other and from the end, with near and far
    // operands, and operands that hold call bytes themselves.
    Bytes bytes;
    for (int n = 0; n < 3000; ++n) {
        const std::uint8_t pattern[] = {0xE8, 0x00, 0xE9, 0xFF, 0x12, 0xE8, 0xFF};
        bytes.push_back(pattern[(n * n + n / 7) % 7]);
    }
    for (std::size_t size = 0; size <= 12; ++size) {
        for (std::size_t start = 0; start + size <= bytes.size(); start += 97) {
            Bytes piece(bytes.begin() + start, bytes.begin() + start + size);
            Bytes filtered = piece;
            BranchFilterEncode(filtered.data(), filtered.size());
            BranchFilterDecode(filtered.data(), filtered.size());
            ASSERT_EQ(filtered, piece) << start << " " << size;
        }
    }
    Bytes whole = bytes;
    BranchFilterEncode(whole.data(), whole.size());
    EXPECT_NE(whole, bytes);
    BranchFilterDecode(whole.data(), whole.size());
    EXPECT_EQ(whole, bytes);
}

TEST(PayloadCodec, TheStoredStreamDecodesToTheFileItWasMadeFrom) {
    EXPECT_LT(PayloadStoredSize, std::uint32_t(PayloadSize) / 10); // the stand-in is mostly padding
    const Bytes stored = Stored();
    EXPECT_EQ(DecodeStoredImage(stored.data(), stored.size(), PayloadSize), CarriedFile());
    EXPECT_FALSE(Refused(stored));
    const Bytes image(PayloadImage(), PayloadImage() + PayloadSize);
    EXPECT_EQ(image, CarriedFile());
}

TEST(PayloadCodec, ACutOrChangedStreamIsRefused) {
    const Bytes stored = Stored();
    for (std::size_t keep : {std::size_t(0), std::size_t(5), std::size_t(13), stored.size() / 2, stored.size() - 1}) {
        const Bytes cut(stored.begin(), stored.begin() + keep);
        EXPECT_TRUE(Refused(cut)) << keep;
    }
    Bytes longer = stored;
    longer.push_back(0);
    EXPECT_TRUE(Refused(longer));
    // One flipped bit in the properties, the size field and along the data. Bytes 1 to 4, the
    // dictionary size, do not matter to a decoder that decodes into the whole image at once
    // (the start's check of the stored bytes finds their change).
    for (std::size_t at = 0; at < stored.size(); at += (at < 40 ? 1 : 211)) {
        if (at >= 1 && at <= 4) continue;
        Bytes flipped = stored;
        flipped[at] ^= std::uint8_t(1u << (at % 8));
        EXPECT_TRUE(Refused(flipped)) << at;
    }
    EXPECT_TRUE(DecodeStoredImage(stored.data(), stored.size(), PayloadSize - 1).empty());
    EXPECT_TRUE(DecodeStoredImage(stored.data(), stored.size(), PayloadSize + 1).empty());
}
