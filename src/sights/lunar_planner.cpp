#include "sights/lunar_planner.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"

#include "sights/lunar_clearing.h"
#include "sights/lunar_ephemeris.h"
#include "sights/lunar_geometry.h"
#include "sights/lunar_refraction.h"
#include "sights/sight_body.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
// Half the baseline of the rate's central difference, seconds.
constexpr double kRateHalfBaselineSeconds = 60.0;

std::array<int, 14> BuildLunarBodies() {
  std::array<int, 14> bodies{kSunIndex, kVenusIndex, kMarsIndex, kJupiterIndex, kSaturnIndex};
  const char* stars[] = {"Hamal", "Aldebaran", "Pollux", "Regulus", "Spica", "Antares", "Altair",
                         "Fomalhaut", "Markab"};
  for (int i = 0; i < 9; ++i) bodies[5 + i] = FindSightBody(stars[i]).value_or(kSunIndex);
  return bodies;
}

// The body's apparent place from the observer, from the catalog's GHA and declination.
HorizonPlace ApparentPlace(const BodyCatalog& catalog, int bodyIndex, const DrPosition& dr,
                           const SightConditions& air, const ObserverOffset& observer) {
  const AltitudeAzimuth computed =
      ComputedAltitudeAzimuth(catalog.gha[bodyIndex], catalog.entries[bodyIndex].declination, dr);
  const double distanceKm =
      DistanceFromParallaxKm(DiscOf(catalog, bodyIndex, Limb::centre).horizontalParallaxMinutes);
  HorizonPlace seen = TopocentricPlace({computed.hcDegrees, computed.znDegrees}, distanceKm, observer);
  seen.altitudeDegrees =
      ApparentAltitude(seen.altitudeDegrees, air.temperatureCelsius, air.pressureHectopascals);
  return seen;
}

bool MakesGoodLunar(const LunarCandidate& c) {
  return c.geocentricDistanceDegrees >= kLunarClosestDegrees &&
         c.apparentDistanceDegrees <= kLunarWidestDegrees &&
         c.moonAltitudeDegrees >= kLunarLowestAltitudeDegrees &&
         c.bodyAltitudeDegrees >= kLunarLowestAltitudeDegrees &&
         std::fabs(c.rateMinutesPerMinute) >= kLunarSlowestRateMinutesPerMinute;
}

}  // namespace

std::span<const int> LunarBodies() {
  static const std::array<int, 14> bodies = BuildLunarBodies();
  return bodies;
}

std::vector<LunarCandidate> PlanLunars(BodyCatalog& scratch, DateTime utc, const DrPosition& dr,
                                       const SightConditions& air, const EphemerisChoice& choice) {
  const double second = std::round(utc * kSecondsPerDay);
  BodyCatalog earlier = scratch;
  BringCatalogTo(earlier, (second - kRateHalfBaselineSeconds) / kSecondsPerDay, dr, choice);
  BodyCatalog later = scratch;
  BringCatalogTo(later, (second + kRateHalfBaselineSeconds) / kSecondsPerDay, dr, choice);
  BringCatalogTo(scratch, second / kSecondsPerDay, dr, choice);

  const ObserverOffset observer = ObserverOnWgs84(dr.latitude, air.heightOfEyeMetres);
  const HorizonPlace moon = ApparentPlace(scratch, kMoonIndex, dr, air, observer);
  const BodyDisc moonDisc = DiscOf(scratch, kMoonIndex, Limb::centre);
  const double moonSemiDiameter = AugmentedSemiDiameterMinutes(
      moonDisc.semiDiameterMinutes, moonDisc.horizontalParallaxMinutes, std::max(0.0, moon.altitudeDegrees));
  std::vector<LunarCandidate> good;
  for (int body : LunarBodies()) {
    const HorizonPlace seen = ApparentPlace(scratch, body, dr, air, observer);
    LunarCandidate c;
    c.bodyIndex = body;
    c.geocentricDistanceDegrees = CatalogLunarAngle(scratch, body);
    c.apparentDistanceDegrees = AngleBetween(moon, seen);
    const double bodySemiDiameter = body == kSunIndex ? DiscOf(scratch, body, Limb::centre).semiDiameterMinutes : 0.0;
    c.presetDistanceDegrees = c.apparentDistanceDegrees - (moonSemiDiameter + bodySemiDiameter) / 60.0;
    c.moonAltitudeDegrees = moon.altitudeDegrees;
    c.bodyAltitudeDegrees = seen.altitudeDegrees;
    c.rateMinutesPerMinute = (CatalogLunarAngle(later, body) - CatalogLunarAngle(earlier, body)) *
                             60.0 / (2.0 * kRateHalfBaselineSeconds / 60.0);
    c.secondsPerTenthMinute = SecondsPerTenthMinute(c.rateMinutesPerMinute);
    if (MakesGoodLunar(c)) good.push_back(c);
  }
  return good;
}

std::vector<std::string> LunarPlanLines(const std::vector<LunarCandidate>& plan) {
  if (plan.empty()) {
    return {"No body makes a good lunar now: none is 15 to 120 degrees from the Moon with both above 5 "
            "degrees and the distance changing 0.2' a minute or more."};
  }
  constexpr const char* kRow = "%-10s %10s %10s %10s %9s %9s %9s %7s";
  std::vector<std::string> lines = {
      PrintfText(kRow, "Body", "Preset", "Apparent", "Geocentric", "Moon Ha", "Body Ha", "'/min", "s/0.1'")};
  for (const LunarCandidate& c : plan) {
    lines.push_back(PrintfText(kRow, std::string(SightBodyName(c.bodyIndex)).c_str(),
                               FormatAltAz(c.presetDistanceDegrees, true, 3).c_str(),
                               FormatAltAz(c.apparentDistanceDegrees, true, 3).c_str(),
                               FormatAltAz(c.geocentricDistanceDegrees, true, 3).c_str(),
                               FormatAltAz(c.moonAltitudeDegrees, true, 2).c_str(),
                               FormatAltAz(c.bodyAltitudeDegrees, true, 2).c_str(),
                               PrintfText("%+.2f", c.rateMinutesPerMinute).c_str(),
                               PrintfText("%.1f", c.secondsPerTenthMinute).c_str()));
  }
  lines.push_back("Preset: the Moon's near limb to the Sun's near limb or the body's centre.");
  lines.push_back("'/min: the distance's rate, negative when closing; s/0.1': what 0.1' of it is worth in time.");
  return lines;
}

}  // namespace nocturna
