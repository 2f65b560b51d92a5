#include "sights/lunar_ephemeris.h"

#include <cmath>
#include <limits>

#include "foundations/angles.h"
#include "navigation/almanac_snapshot.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
// Half the baseline of the rate's central difference, seconds.
constexpr double kRateHalfBaselineSeconds = 60.0;

}  // namespace

double CatalogLunarAngle(const BodyCatalog& catalog, int bodyIndex) {
  const double ghaDifference = DegToRad(catalog.gha[kMoonIndex] - catalog.gha[bodyIndex]);
  const double d1 = DegToRad(catalog.entries[kMoonIndex].declination);
  const double d2 = DegToRad(catalog.entries[bodyIndex].declination);
  const double y = std::hypot(std::cos(d2) * std::sin(ghaDifference),
                              std::cos(d1) * std::sin(d2) -
                                  std::sin(d1) * std::cos(d2) * std::cos(ghaDifference));
  const double x = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(ghaDifference);
  return RadToDeg(std::atan2(y, x));
}

namespace {

void CatalogAtSecond(BodyCatalog& scratch, double wholeSecond, const DrPosition& position,
                     const EphemerisChoice& choice) {
  CalendarDate date;
  ClockTime clock;
  SplitUtc(wholeSecond / kSecondsPerDay, date, clock);
  ComputeMomentPositions(scratch, date, clock, position, choice);
}

double AngleAtSecond(BodyCatalog& scratch, int bodyIndex, double wholeSecond, const DrPosition& position,
                     const EphemerisChoice& choice) {
  CatalogAtSecond(scratch, wholeSecond, position, choice);
  return CatalogLunarAngle(scratch, bodyIndex);
}

}  // namespace

void BringCatalogTo(BodyCatalog& scratch, DateTime utc, const DrPosition& position,
                    const EphemerisChoice& choice) {
  CatalogAtSecond(scratch, std::floor(utc * kSecondsPerDay), position, choice);
}

double EphemerisLunarAngle(BodyCatalog& scratch, int bodyIndex, DateTime utc,
                           const DrPosition& position, const EphemerisChoice& choice) {
  const double seconds = utc * kSecondsPerDay;
  const double before = std::floor(seconds);
  const double after = AngleAtSecond(scratch, bodyIndex, before + 1.0, position, choice);
  const double first = AngleAtSecond(scratch, bodyIndex, before, position, choice);
  return first + (after - first) * (seconds - before);
}

LunarDistanceAt EphemerisLunarDistance(BodyCatalog& scratch, int bodyIndex, DateTime utc,
                                       const DrPosition& position, const EphemerisChoice& choice) {
  const double step = kRateHalfBaselineSeconds / kSecondsPerDay;
  const double later = EphemerisLunarAngle(scratch, bodyIndex, utc + step, position, choice);
  const double earlier = EphemerisLunarAngle(scratch, bodyIndex, utc - step, position, choice);
  LunarDistanceAt result;
  result.distanceDegrees = EphemerisLunarAngle(scratch, bodyIndex, utc, position, choice);
  result.rateMinutesPerMinute = (later - earlier) * 60.0 / (2.0 * kRateHalfBaselineSeconds / 60.0);
  return result;
}

std::optional<DateTime> SolveLunarTime(BodyCatalog& scratch, int bodyIndex, double distanceDegrees,
                                       DateTime guess, double searchHours, const DrPosition& position,
                                       const EphemerisChoice& choice) {
  // Newton's method with the rate taken once: it changes by a few parts in a thousand an hour.
  const double rate = EphemerisLunarDistance(scratch, bodyIndex, guess, position, choice).rateMinutesPerMinute;
  if (rate == 0.0) return std::nullopt;
  DateTime t = guess;
  for (int step = 0; step < 12; ++step) {
    const double distance = EphemerisLunarAngle(scratch, bodyIndex, t, position, choice);
    const double minutesOfTime = (distanceDegrees - distance) * 60.0 / rate;
    t += minutesOfTime / 1440.0;
    if (std::fabs(t - guess) * 24.0 > searchHours) return std::nullopt;
    if (std::fabs(minutesOfTime) * 60.0 < 0.01) return t;
  }
  return std::nullopt;
}

GhaDeclination EphemerisPlace(BodyCatalog& scratch, int bodyIndex, DateTime utc,
                               const DrPosition& position, const EphemerisChoice& choice) {
  const double seconds = utc * kSecondsPerDay;
  const double before = std::floor(seconds);
  CatalogAtSecond(scratch, before + 1.0, position, choice);
  const GhaDeclination after{scratch.gha[bodyIndex], scratch.entries[bodyIndex].declination};
  CatalogAtSecond(scratch, before, position, choice);
  const GhaDeclination first{scratch.gha[bodyIndex], scratch.entries[bodyIndex].declination};
  // The GHA may wrap through 360 between the two seconds.
  const double ghaStep = std::remainder(after.ghaDegrees - first.ghaDegrees, 360.0);
  const double fraction = seconds - before;
  return {WrapPositive(first.ghaDegrees + ghaStep * fraction, 360.0),
          first.declinationDegrees + (after.declinationDegrees - first.declinationDegrees) * fraction};
}

double SecondsPerTenthMinute(double rateMinutesPerMinute) {
  if (rateMinutesPerMinute == 0.0) return std::numeric_limits<double>::infinity();
  return 6.0 / std::fabs(rateMinutesPerMinute);
}

}  // namespace nocturna
