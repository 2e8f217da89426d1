#include "datafile/LIB_RandomSource.h"

#include <random>

namespace {

std::mt19937& Generator() {
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}

} // namespace

unsigned RandomBelow(unsigned n) {
    return std::uniform_int_distribution<unsigned>(0, n - 1)(Generator());
}

void SeedRandomSource(std::uint32_t seed) {
    Generator().seed(seed);
}
