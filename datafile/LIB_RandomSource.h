// The pseudo-random source of the data file: key seeds and string starts.
#pragma once

#include <cstdint>

// A uniform integer from 0 to n-1 (n > 0). Seeded from the system on first use.
unsigned RandomBelow(unsigned n);

// Restarts the generator from a fixed seed, so that a file can be reproduced.
void SeedRandomSource(std::uint32_t seed);
