#include "sights/polaris_sight.h"

#include <cmath>

#include "ephemeris/precise/apparent_frame.h"
#include "ephemeris/precise/polaris_catalog.h"
#include "ephemeris/precise/precise_stars.h"
#include "ephemeris/precise/precise_time.h"
#include "foundations/angles.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kReferenceLatitude = 50.0;
// Constants that keep a0, a1 and a2 positive; with a0's they make up the 1 deg taken from Ho.
constexpr double kA1Constant = 0.6;  // minutes of arc
constexpr double kA2Constant = 0.6;
constexpr double kA0Constant = 60.0 - kA1Constant - kA2Constant;
constexpr int kMidMonthDay = 15;

struct PolarisFrame {
  BodyPlace place;
  double ghaAries = 0.0;
};

std::optional<PolarisFrame> PolarisFrameAt(DateTime utc, const EphemerisChoice& choice) {
  const DecodedDateTime d = DecodeDateTime(utc);
  const CalendarDate date{static_cast<std::uint16_t>(d.month), static_cast<std::uint16_t>(d.day),
                          static_cast<std::uint16_t>(d.year)};
  const double seconds = (utc - std::floor(utc)) * kSecondsPerDay;
  const PreciseInstantOutcome outcome = PreciseInstantOf(date, seconds, choice.dut1Seconds, choice.dut1Table.get());
  if (outcome.error != nullptr) return std::nullopt;
  const ApparentFrame frame = MakeApparentFrame(outcome.instant);
  const ApparentPlace place = ApparentStarOf(frame, kPolarisCatalogRow);
  return PolarisFrame{{place.gha, place.declination}, GhaAriesOf(frame)};
}

// Latitude less the star's altitude there (minutes of arc), for the star's place as its SHA
// (GHA less GHA Aries) and declination, at LHA Aries and the latitude (degrees).
double PolarisCorrection(const PolarisFrame& star, double lhaAries, double latitude) {
  const double sha = star.place.ghaDegrees - star.ghaAries;
  const AltitudeAzimuth seen =
      ComputedAltitudeAzimuth(lhaAries + sha, star.place.declinationDegrees, DrPosition{latitude, 0.0});
  return 60.0 * (latitude - seen.hcDegrees);
}

// The rigorous latitude: sin Ho = sin(phi) sin(dec) + cos(phi) cos(dec) cos(LHA), solved as
// R sin(phi + theta) = sin Ho on the branch nearest Ho.
double RigorousLatitude(double observedAltitude, const BodyPlace& star, double lha) {
  const double a = std::sin(DegToRad(star.declinationDegrees));
  const double b = std::cos(DegToRad(star.declinationDegrees)) * std::cos(DegToRad(lha));
  const double r = std::hypot(a, b);
  return RadToDeg(std::asin(std::sin(DegToRad(observedAltitude)) / r) - std::atan2(b, a));
}

void FillAlmanacForm(PolarisLatitude& sight, const DateTime utc, const DrPosition& dr,
                     const EphemerisChoice& choice) {
  const DecodedDateTime d = DecodeDateTime(utc);
  const auto midYear = PolarisFrameAt(EncodeDateTime(d.year, 7, 2, 0, 0, 0), choice);
  const auto midMonth = PolarisFrameAt(EncodeDateTime(d.year, d.month, kMidMonthDay, 0, 0, 0), choice);
  if (!midYear || !midMonth) return;
  const double column = 10.0 * std::floor(sight.lhaAriesDegrees / 10.0) + 5.0;
  const double reference = PolarisCorrection(*midYear, column, kReferenceLatitude);
  sight.a0Minutes = PolarisCorrection(*midYear, sight.lhaAriesDegrees, kReferenceLatitude) + kA0Constant;
  sight.a1Minutes = PolarisCorrection(*midYear, column, dr.latitude) - reference + kA1Constant;
  sight.a2Minutes = PolarisCorrection(*midMonth, column, kReferenceLatitude) - reference + kA2Constant;
  sight.tablesLatitudeDegrees =
      sight.observedAltitudeDegrees - 1.0 + (sight.a0Minutes + sight.a1Minutes + sight.a2Minutes) / 60.0;
}

}  // namespace

std::optional<BodyPlace> PolarisPlaceAt(DateTime utc, const EphemerisChoice& choice) {
  const auto frame = PolarisFrameAt(utc, choice);
  if (!frame) return std::nullopt;
  return frame->place;
}

PolarisLatitude LatitudeByPolaris(double observedAltitudeDegrees, DateTime utc, const DrPosition& dr,
                                  const EphemerisChoice& choice) {
  PolarisLatitude sight;
  sight.observedAltitudeDegrees = observedAltitudeDegrees;
  if (!(observedAltitudeDegrees >= kPolarisLowestAltitude && observedAltitudeDegrees <= kPolarisHighestAltitude)) {
    sight.refusal = "Polaris gives a latitude only between 10 and 70 degrees of altitude.";
    return sight;
  }
  const auto frame = PolarisFrameAt(utc, choice);
  if (!frame) {
    sight.refusal = "Polaris's place is computed only for 1901 to 2099.";
    return sight;
  }
  sight.polaris = frame->place;
  sight.lhaAriesDegrees = WrapPositive(frame->ghaAries - dr.longitude, 360.0);
  const double lha = frame->place.ghaDegrees - dr.longitude;
  sight.latitudeDegrees = RigorousLatitude(observedAltitudeDegrees, frame->place, lha);
  sight.azimuthDegrees =
      ComputedAltitudeAzimuth(frame->place.ghaDegrees, frame->place.declinationDegrees,
                              DrPosition{sight.latitudeDegrees, dr.longitude}).znDegrees;
  FillAlmanacForm(sight, utc, dr, choice);
  return sight;
}

}  // namespace nocturna
