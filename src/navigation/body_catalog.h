#pragma once
// The one table of the 64 bodies the program computes, draws and lists.
#include <array>

#include "ephemeris/body_ephemeris.h"
#include "ephemeris/celestial_body.h"

namespace nocturna {

// Zero-based positions in the catalog and its result arrays.
inline constexpr int kBodyCount = 64;
inline constexpr int kAriesIndex = 0;
inline constexpr int kFirstStarIndex = 1;  // navigational star n sits at index n
inline constexpr int kStarCount = 57;
inline constexpr int kVenusIndex = 58;
inline constexpr int kMarsIndex = 59;
inline constexpr int kJupiterIndex = 60;
inline constexpr int kSaturnIndex = 61;
inline constexpr int kSunIndex = 62;
inline constexpr int kMoonIndex = 63;

// Order of the Sun and planet ephemeris records.
inline constexpr int kSunRecord = 0;
inline constexpr int kVenusRecord = 1;
inline constexpr int kMarsRecord = 2;
inline constexpr int kJupiterRecord = 3;
inline constexpr int kSaturnRecord = 4;
inline constexpr int kSunPlanetRecordCount = 5;

struct BodyCatalog {
  std::array<CelestialBody, kBodyCount> entries{};
  SunPlanetRecords sunPlanetRecords{};  // Sun, Venus, Mars, Jupiter, Saturn
  BodyEphemeris moonRecord{};
  std::array<double, kBodyCount> gha{};  // degrees [0, 360); gha[0] is GHA Aries
  std::array<double, kBodyCount> hc{};   // computed altitude, degrees
  std::array<double, kBodyCount> zn{};   // true azimuth, degrees from north through east
};

// The catalog as the program starts with it: the 64 entries of the initial table in catalog
// order (star places are whole-degree starting values, degrees), records and results zero.
BodyCatalog BuildCatalog();

}  // namespace nocturna
