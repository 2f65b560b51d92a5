#include "foundations/dr_position.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

namespace {

constexpr double kHoursPerDegree = 0.06666666666666667;
constexpr double kDegreesPerHundredMinutes = 1.6666666666666667;  // 100/60

// ddmm.mmmm as degrees: the whole part of value/100 is degrees, the fraction minutes/100.
double NmeaDegrees(double field) {
  double whole = 0.0;
  const double fraction = std::modf(field * 0.01, &whole);
  return whole + fraction * kDegreesPerHundredMinutes;
}

}  // namespace

int ZoneDescriptionFromLongitude(const DrPosition& position) {
  const double q = position.longitude * kHoursPerDegree;
  double whole = 0.0;
  const double fraction = std::modf(q, &whole);
  if (std::fabs(fraction) >= 0.5) whole += q > 0 ? 1.0 : -1.0;
  return TruncToInt(whole);
}

bool PositionsDiffer(const DrPosition& position, double latitude, double longitude) {
  return longitude != position.longitude || latitude != position.latitude;
}

DrPosition NmeaToPosition(double latitudeField, char latitudeLetter, double longitudeField,
                          char longitudeLetter) {
  DrPosition position;
  position.latitude = NmeaDegrees(latitudeField) * (latitudeLetter == 'N' ? 1.0 : -1.0);
  position.longitude = NmeaDegrees(longitudeField) * (longitudeLetter == 'W' ? 1.0 : -1.0);
  return position;
}

}  // namespace nocturna
