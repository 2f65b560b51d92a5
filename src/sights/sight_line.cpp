#include "sights/sight_line.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"
#include "navigation/almanac_snapshot.h"
#include "sights/ellipsoid_reduction.h"
#include "sights/sight_body.h"

namespace nocturna {

AltitudeAzimuth ComputedAltitudeAzimuth(double ghaDegrees, double declinationDegrees,
                                        const DrPosition& position) {
  const double lha = DegToRad(ghaDegrees - position.longitude);
  const double lat = DegToRad(position.latitude);
  const double dec = DegToRad(declinationDegrees);
  const double sinHc =
      std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(lha);
  AltitudeAzimuth result;
  result.hcDegrees = RadToDeg(std::asin(std::clamp(sinHc, -1.0, 1.0)));
  const double east = -std::cos(dec) * std::sin(lha);
  const double north = std::cos(lat) * std::sin(dec) - std::sin(lat) * std::cos(dec) * std::cos(lha);
  double zn = RadToDeg(std::atan2(east, north));
  if (zn < 0.0) zn += 360.0;
  result.znDegrees = zn;
  return result;
}

void SplitUtc(DateTime utc, CalendarDate& date, ClockTime& clock) {
  const DecodedDateTime d = DecodeDateTime(utc);
  date = {static_cast<std::uint16_t>(d.month), static_cast<std::uint16_t>(d.day),
          static_cast<std::uint16_t>(d.year)};
  clock = {static_cast<std::uint16_t>(d.hour), static_cast<std::uint16_t>(d.minute),
           static_cast<std::uint16_t>(d.second)};
}

SightLine ReduceSight(BodyCatalog& scratch, int bodyIndex, const SightRecord& sight,
                      const DrPosition& dr, const EphemerisChoice& choice) {
  CalendarDate date;
  ClockTime clock;
  SplitUtc(sight.utc, date, clock);
  ComputeMomentBody(scratch, date, clock, bodyIndex, choice);

  SightLine line;
  line.bodyIndex = bodyIndex;
  line.utc = sight.utc;
  line.dr = dr;
  line.ghaDegrees = scratch.gha[bodyIndex];
  line.declinationDegrees = scratch.entries[bodyIndex].declination;
  const BodyDisc disc = DiscOf(scratch, bodyIndex, sight.limb);
  if (choice.kind == EphemerisKind::precise) {
    // The precise ephemeris deserves the Earth's true figure: the observer on the ellipsoid.
    const GeocentricPlace place{line.ghaDegrees, line.declinationDegrees,
                                GeocentricDistanceKm(scratch, bodyIndex), disc.semiDiameterMinutes};
    line.corrections = CorrectOnTheEllipsoid(sight.hsDegrees, sight.conditions, disc.limb, place, dr);
  } else {
    line.corrections = CorrectSextantAltitude(sight.hsDegrees, sight.conditions, disc);
  }
  const AltitudeAzimuth computed =
      ComputedAltitudeAzimuth(line.ghaDegrees, line.declinationDegrees, dr);
  line.hcDegrees = computed.hcDegrees;
  line.znDegrees = computed.znDegrees;
  line.interceptMiles = 60.0 * (line.corrections.observedAltitudeDegrees - line.hcDegrees);
  return line;
}

}  // namespace nocturna
