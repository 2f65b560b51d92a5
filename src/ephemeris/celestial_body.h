#pragma once
// One entry of the body catalog.
#include <cstdint>
#include <string_view>

namespace nocturna {

inline constexpr int kBodyNameCapacity = 84;  // at most 83 characters and the terminator

struct CelestialBody {
  char name[kBodyNameCapacity] = {};
  std::int32_t displayCode = 0;
  double magnitude = 0.0;    // visual magnitude
  double declination = 0.0;  // degrees, north positive
  double sha = 0.0;          // sidereal hour angle, degrees westward from Aries, [0, 360)
};

// Copies at most 83 characters of text into the body's name buffer.
void SetBodyName(CelestialBody& body, std::string_view text);

}  // namespace nocturna
