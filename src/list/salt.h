// The salt of a list header: ten characters from an alphabet of letters
// and digits without the easily confused 0, 1, O and l.
#pragma once

#include <cstdint>
#include <string>

constexpr int kSaltLength = 10;

// Draws a salt the way the C runtime's rand() would after srand(seed) and
// one discarded value, filling the positions from the last to the first.
std::string GenerateSalt(uint32_t seed);

// A new salt, seeded from the clock.
std::string NewSalt();
