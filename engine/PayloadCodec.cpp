#include "engine/PayloadCodec.h"

#include "payload/Lzma.h"

namespace {

constexpr std::uint32_t TargetBits = 25; // targets within 16 MiB either way
constexpr std::uint32_t TargetMask = (1u << TargetBits) - 1;

bool IsCallOrJump(std::uint8_t byte) {
    return byte == 0xE8 || byte == 0xE9;
}

// The operand of a call or jump is a near target when its top byte is 0x00 or 0xFF. Every call
// or jump byte takes its four operand bytes with it, converted or not, so no conversion changes
// a byte that another decision reads; and a conversion keeps the top byte 0x00 or 0xFF, so both
// directions decide alike.
bool IsNearTarget(std::uint8_t top) {
    return top == 0x00 || top == 0xFF;
}

// Adds or subtracts the position after the instruction, modulo 2^25, sign-extended again.
template <class Convert>
void Filter(std::uint8_t* bytes, std::size_t size, Convert convert) {
    for (std::size_t i = 0; i + 5 <= size; ++i) {
        std::uint8_t* at = bytes + i;
        if (!IsCallOrJump(at[0])) continue;
        if (IsNearTarget(at[4])) {
            const std::uint32_t operand =
                at[1] | std::uint32_t(at[2]) << 8 | std::uint32_t(at[3]) << 16 | std::uint32_t(at[4]) << 24;
            std::uint32_t value = convert(operand, std::uint32_t(i + 5)) & TargetMask;
            if (value & (1u << (TargetBits - 1))) value |= ~TargetMask;
            for (int k = 1; k <= 4; ++k) at[k] = std::uint8_t(value >> (8 * (k - 1)));
        }
        i += 4;
    }
}

} // namespace

void BranchFilterEncode(std::uint8_t* bytes, std::size_t size) {
    Filter(bytes, size, [](std::uint32_t relative, std::uint32_t next) { return relative + next; });
}

void BranchFilterDecode(std::uint8_t* bytes, std::size_t size) {
    Filter(bytes, size, [](std::uint32_t absolute, std::uint32_t next) { return absolute - next; });
}

std::vector<std::uint8_t> DecodeStoredImage(const std::uint8_t* stored, std::size_t storedSize, std::size_t size) {
    std::vector<std::uint8_t> image(size);
    if (!LzmaDecodeImage(image.data(), size, stored, storedSize)) return {};
    BranchFilterDecode(image.data(), size);
    return image;
}
