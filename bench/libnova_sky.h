#pragma once
// The part of a libnova computation both peers share: with the stars already in `bodies`
// (right ascension and declination, degrees), its planets and Sun (VSOP87) and Moon
// (ELP 2000-82B), its apparent sidereal time, and the horizontal coordinates of all 63 bodies
// for the observer (latitude north, longitude WEST positive, degrees; libnova's is east).
#include <benchmark/benchmark.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/saturn.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/transform.h>
#include <libnova/venus.h>

#include <array>

#include "navigation/body_catalog.h"

namespace nocturna {

inline void LibnovaSolarSystemAndHorizon(double jd, std::array<ln_equ_posn, kBodyCount - 1>& bodies,
                                         double latitude, double longitudeWest) {
  ln_get_venus_equ_coords(jd, &bodies[kVenusIndex - 1]);
  ln_get_mars_equ_coords(jd, &bodies[kMarsIndex - 1]);
  ln_get_jupiter_equ_coords(jd, &bodies[kJupiterIndex - 1]);
  ln_get_saturn_equ_coords(jd, &bodies[kSaturnIndex - 1]);
  ln_get_solar_equ_coords(jd, &bodies[kSunIndex - 1]);
  ln_get_lunar_equ_coords(jd, &bodies[kMoonIndex - 1]);
  const double sidereal = ln_get_apparent_sidereal_time(jd);
  ln_lnlat_posn observer{-longitudeWest, latitude};
  for (ln_equ_posn& body : bodies) {
    ln_hrz_posn horizontal{};
    ln_get_hrz_from_equ_sidereal_time(&body, &observer, sidereal, &horizontal);
    benchmark::DoNotOptimize(horizontal);
  }
}

}  // namespace nocturna
