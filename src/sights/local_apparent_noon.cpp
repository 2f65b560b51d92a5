#include "sights/local_apparent_noon.h"

#include <cmath>

#include "sights/body_place.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_body.h"

namespace nocturna {
namespace {

constexpr double kHoursPerDay = 24.0;
constexpr double kOneSecondInHours = 1.0 / 3600.0;
constexpr int kMostIterations = 12;
// The Sun's hour angle grows by about 15 degrees an hour; the ship's own motion in longitude
// is left to the iteration.
constexpr double kSunHourAngleRate = 15.0;

}  // namespace

double MeridianAltitude(double latitudeDegrees, double declinationDegrees) {
  return 90.0 - std::fabs(latitudeDegrees - declinationDegrees);
}

LocalApparentNoon LocalApparentNoonFor(BodyCatalog& scratch, DateTime aboutUtc, const DeadReckoning& dr,
                                       const SightConditions& conditions, Limb limb,
                                       const EphemerisChoice& choice) {
  LocalApparentNoon noon;
  double hours = (aboutUtc - dr.utc) * kHoursPerDay;
  BodyPlace sun;
  for (int i = 0; i <= kMostIterations; ++i) {
    noon.position = PositionAt(dr, dr.utc + hours / kHoursPerDay);
    sun = PlaceOfBody(scratch, kSunIndex, dr.utc + hours / kHoursPerDay, choice);
    const double step = -SignedDegrees(sun.ghaDegrees - noon.position.longitude) / kSunHourAngleRate;
    hours += step;
    if (std::fabs(step) < kOneSecondInHours) break;
    if (i == kMostIterations) noon.refusal = "The time of noon did not settle: check the course and speed.";
  }
  noon.utc = dr.utc + hours / kHoursPerDay;
  noon.position = PositionAt(dr, dr.utc + hours / kHoursPerDay);
  noon.declinationDegrees = sun.declinationDegrees;
  noon.meridianAltitudeDegrees = MeridianAltitude(noon.position.latitude, sun.declinationDegrees);
  noon.bearing = noon.position.latitude >= sun.declinationDegrees ? 'S' : 'N';
  noon.presetHsDegrees = SextantAltitudeFor(noon.meridianAltitudeDegrees, conditions,
                                            DiscOf(scratch, kSunIndex, limb));
  return noon;
}

}  // namespace nocturna
