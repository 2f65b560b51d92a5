#pragma once
// The latitudes of the printed almanac's twilight, sunrise and moonrise tables, north to south.
#include <array>

namespace nocturna {

// Degrees, north positive.
inline constexpr std::array<int, 31> kPageLatitudes = {
    72,  70,  68,  66,  64,  62,  60,  58,  56,  54,  52,  50,  45,  40,  35, 30,
    20,  10,  0,   -10, -20, -30, -35, -40, -45, -50, -52, -54, -56, -58, -60};
static_assert(kPageLatitudes.size() == 31);

}  // namespace nocturna
