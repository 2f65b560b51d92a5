#include "sights/lunar_clearing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "foundations/angles.h"
#include "sights/lunar_ephemeris.h"
#include "sights/lunar_geometry.h"
#include "sights/lunar_refraction.h"
#include "sights/sight_body.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
// How far from the watch's time (less its estimated fast) the cleared time may fall, hours.
constexpr double kSearchHours = 6.0;
// A distance outside what the altitudes allow by less than this (degrees) is taken as the
// limit: the altitudes are rarely better than 0.1'.
constexpr double kGeometrySlackDegrees = 0.1 / 60.0;
// The cleared time has settled when a pass moves it by less than this, seconds.
constexpr double kSettledSeconds = 0.05;
constexpr int kMostPasses = 10;

std::string Format(const char* pattern, double a, double b = 0.0) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

std::string CheckObservation(const LunarObservation& o) {
  if (o.bodyIndex < kFirstStarIndex || o.bodyIndex >= kMoonIndex)
    return "The other body must be the Sun, a planet or a star.";
  const double values[] = {o.distanceSextantDegrees, o.distanceIndexCorrectionMinutes, o.watchTime,
                           o.watchFastSecondsGuess, o.dr.latitude, o.dr.longitude,
                           o.moonAltitudeSextantDegrees.value_or(0.0),
                           o.bodyAltitudeSextantDegrees.value_or(0.0)};
  for (double value : values) {
    if (!std::isfinite(value)) return "A number of the lunar is missing or not a number.";
  }
  if (o.distanceSextantDegrees <= 0.0 || o.distanceSextantDegrees >= 180.0)
    return "The distance must lie between 0 and 180 degrees.";
  if (std::fabs(o.dr.latitude) > 90.0) return "The latitude must lie within 90 degrees.";
  return {};
}

// The limb sign as the distance is corrected to the centres: a near limb adds the semi-diameter.
double LimbSign(DistanceLimb limb) {
  if (limb == DistanceLimb::nearLimb) return 1.0;
  return limb == DistanceLimb::farLimb ? -1.0 : 0.0;
}

void FillDisc(LunarBodyStep& step, const BodyDisc& disc) {
  step.semiDiameterMinutes = disc.semiDiameterMinutes;
  step.horizontalParallaxMinutes = disc.horizontalParallaxMinutes;
  step.distanceKm = DistanceFromParallaxKm(disc.horizontalParallaxMinutes);
  step.augmentedSemiDiameterMinutes = disc.semiDiameterMinutes;
}

// The centre's apparent altitude and true azimuth: the azimuth always from the ephemeris at
// the DR, the altitude from the sextant when one was taken.
void ApparentCentre(LunarBodyStep& step, const HorizonPlace& geocentric, std::optional<double> hs,
                    Limb limb, const LunarObservation& o, const ObserverOffset& observer) {
  const SightConditions& air = o.conditions;
  const HorizonPlace seen = TopocentricPlace(geocentric, step.distanceKm, observer);
  step.azimuthDegrees = seen.azimuthDegrees;
  step.altitudeObserved = hs.has_value();
  if (!hs) {
    step.apparentAltitudeDegrees =
        ApparentAltitude(seen.altitudeDegrees, air.temperatureCelsius, air.pressureHectopascals);
    return;
  }
  const double ha = CorrectSextantAltitude(*hs, air, BodyDisc{}).apparentAltitudeDegrees;
  const double verticalSd = step.augmentedSemiDiameterMinutes / 60.0 *
                            RefractedSemiDiameterFactor(ha, 0.0, air.temperatureCelsius,
                                                        air.pressureHectopascals);
  const double sign = limb == Limb::lower ? 1.0 : (limb == Limb::upper ? -1.0 : 0.0);
  step.apparentAltitudeDegrees = ha + sign * verticalSd;
}

// The angle at a disc between its vertical and the great circle to the other body, degrees.
double AngleFromVertical(double ownAltitude, double otherAltitude, double distance) {
  const double h1 = DegToRad(ownAltitude), h2 = DegToRad(otherAltitude), d = DegToRad(distance);
  const double c = (std::sin(h2) - std::sin(h1) * std::cos(d)) / (std::cos(h1) * std::sin(d));
  return RadToDeg(std::acos(std::clamp(c, -1.0, 1.0)));
}

void CorrectToCentres(LunarForm& form) {
  const LunarObservation& o = form.observation;
  const double t = o.conditions.temperatureCelsius, p = o.conditions.pressureHectopascals;
  LunarBodyStep& m = form.moon;
  LunarBodyStep& b = form.body;
  const double d = form.observedDistanceDegrees;
  m.semiDiameterAlongDistanceMinutes =
      LimbSign(o.moonLimb) * m.augmentedSemiDiameterMinutes *
      RefractedSemiDiameterFactor(m.apparentAltitudeDegrees,
                                  AngleFromVertical(m.apparentAltitudeDegrees, b.apparentAltitudeDegrees, d), t, p);
  b.semiDiameterAlongDistanceMinutes =
      LimbSign(o.bodyLimb) * b.augmentedSemiDiameterMinutes *
      RefractedSemiDiameterFactor(b.apparentAltitudeDegrees,
                                  AngleFromVertical(b.apparentAltitudeDegrees, m.apparentAltitudeDegrees, d), t, p);
  form.apparentDistanceDegrees =
      d + (m.semiDiameterAlongDistanceMinutes + b.semiDiameterAlongDistanceMinutes) / 60.0;
}

// The azimuth difference the apparent distance implies, or the reason it cannot.
std::string SolveAzimuthDifference(LunarForm& form) {
  const double h1 = form.moon.apparentAltitudeDegrees, h2 = form.body.apparentAltitudeDegrees;
  const double least = std::fabs(h1 - h2), most = 180.0 - std::fabs(h1 + h2);
  const double d = form.apparentDistanceDegrees;
  if (d < least - kGeometrySlackDegrees || d > most + kGeometrySlackDegrees)
    return Format("With these altitudes the distance must lie between %.2f and %.2f degrees.", least, most);
  const double r1 = DegToRad(h1), r2 = DegToRad(h2);
  const double c = (std::cos(DegToRad(std::clamp(d, least, most))) - std::sin(r1) * std::sin(r2)) /
                   (std::cos(r1) * std::cos(r2));
  form.azimuthDifferenceDegrees = RadToDeg(std::acos(std::clamp(c, -1.0, 1.0)));
  return {};
}

// Airless, then geocentric places; the body keeps its side of the Moon as the ephemeris has it.
void RemoveRefractionAndParallax(LunarForm& form, const ObserverOffset& observer) {
  const SightConditions& air = form.observation.conditions;
  for (LunarBodyStep* step : {&form.moon, &form.body}) {
    step->airlessAltitudeDegrees =
        AirlessAltitude(step->apparentAltitudeDegrees, air.temperatureCelsius, air.pressureHectopascals);
    step->refractionMinutes = 60.0 * (step->apparentAltitudeDegrees - step->airlessAltitudeDegrees);
  }
  const double side =
      std::remainder(form.body.azimuthDegrees - form.moon.azimuthDegrees, 360.0) < 0.0 ? -1.0 : 1.0;
  const HorizonPlace moonSeen{form.moon.airlessAltitudeDegrees, form.moon.azimuthDegrees};
  const HorizonPlace bodySeen{form.body.airlessAltitudeDegrees,
                              WrapPositive(form.moon.azimuthDegrees + side * form.azimuthDifferenceDegrees, 360.0)};
  form.airlessDistanceDegrees = AngleBetween(moonSeen, bodySeen);
  const HorizonPlace moonCentre = GeocentricPlace(moonSeen, form.moon.distanceKm, observer);
  const HorizonPlace bodyCentre = GeocentricPlace(bodySeen, form.body.distanceKm, observer);
  form.moon.geocentricAltitudeDegrees = moonCentre.altitudeDegrees;
  form.body.geocentricAltitudeDegrees = bodyCentre.altitudeDegrees;
  form.geocentricDistanceDegrees = AngleBetween(moonCentre, bodyCentre);
}

HorizonPlace ComputedPlace(const GhaDeclination& place, const DrPosition& dr) {
  const AltitudeAzimuth computed = ComputedAltitudeAzimuth(place.ghaDegrees, place.declinationDegrees, dr);
  return {computed.hcDegrees, computed.znDegrees};
}

// One clearing with the discs and computed places of moment `utc`.
std::string ClearAt(LunarEphemeris& ephemeris, DateTime utc, LunarForm& form) {
  const LunarObservation& o = form.observation;
  const ObserverOffset observer = ObserverOnWgs84(o.dr.latitude, o.conditions.heightOfEyeMetres);
  const LunarEphemeris::Places places = ephemeris.At(utc);
  const HorizonPlace moonPlace = ComputedPlace(places.moon, o.dr);
  const HorizonPlace bodyPlace = ComputedPlace(places.body, o.dr);
  FillDisc(form.moon, places.moonDisc);
  FillDisc(form.body, places.bodyDisc);
  const double seenMoonAltitude = TopocentricPlace(moonPlace, form.moon.distanceKm, observer).altitudeDegrees;
  form.moon.augmentedSemiDiameterMinutes = AugmentedSemiDiameterMinutes(
      form.moon.semiDiameterMinutes, form.moon.horizontalParallaxMinutes, std::max(0.0, seenMoonAltitude));
  ApparentCentre(form.moon, moonPlace, o.moonAltitudeSextantDegrees, o.moonAltitudeLimb, o, observer);
  ApparentCentre(form.body, bodyPlace, o.bodyAltitudeSextantDegrees, o.bodyAltitudeLimb, o, observer);
  if (form.moon.apparentAltitudeDegrees < 0.0) return "The Moon is below the horizon.";
  if (form.body.apparentAltitudeDegrees < 0.0) return "The other body is below the horizon.";
  CorrectToCentres(form);
  if (form.apparentDistanceDegrees < kLunarClosestDegrees)
    return Format("The Moon is within %.0f degrees of the other body: too close for a lunar.", kLunarClosestDegrees);
  if (std::string reason = SolveAzimuthDifference(form); !reason.empty()) return reason;
  RemoveRefractionAndParallax(form, observer);
  return {};
}

// The watch's fast, the rate and what 0.1' is worth at the cleared time; refused when slow.
// With altitudes computed for the time being found, the cleared distance itself moves with
// that time (through parallax and refraction), so what 0.1' is worth comes from the whole
// chain: the cleared distance's change with the observed one and with the assumed time.
std::string FinishAtTime(LunarEphemeris& ephemeris, LunarForm& form) {
  constexpr double kProbeMinutes = 0.5;
  constexpr double kProbeDistanceDegrees = 0.1 / 60.0;
  const LunarObservation& o = form.observation;
  form.watchFastSeconds = (o.watchTime - form.utc) * kSecondsPerDay;
  form.rateMinutesPerMinute = ephemeris.DistanceAndRate(form.utc).rateMinutesPerMinute;
  LunarForm later = form;
  LunarForm wider = form;
  wider.observedDistanceDegrees += kProbeDistanceDegrees;
  if (!ClearAt(ephemeris, form.utc + kProbeMinutes / 1440.0, later).empty() ||
      !ClearAt(ephemeris, form.utc, wider).empty())
    return "The lunar lies too near a limit of its geometry to give its sensitivity.";
  form.clearedDriftMinutesPerMinute =
      60.0 * (later.geocentricDistanceDegrees - form.geocentricDistanceDegrees) / kProbeMinutes;
  const double gain =
      (wider.geocentricDistanceDegrees - form.geocentricDistanceDegrees) / kProbeDistanceDegrees;
  const double effectiveRate = (form.rateMinutesPerMinute - form.clearedDriftMinutesPerMinute) / gain;
  form.secondsPerTenthMinute = SecondsPerTenthMinute(effectiveRate);
  if (std::fabs(effectiveRate) < kLunarSlowestRateMinutesPerMinute)
    return Format("The distance changes only %.2f' a minute: 0.1' of it is worth %.0f seconds.",
                  std::fabs(effectiveRate), form.secondsPerTenthMinute);
  return {};
}

}  // namespace

LunarForm ClearLunarDistance(BodyCatalog& scratch, const LunarObservation& observation,
                             const EphemerisChoice& choice) {
  LunarForm form;
  form.observation = observation;
  form.refusal = CheckObservation(observation);
  if (!form.Cleared()) return form;
  form.observedDistanceDegrees =
      observation.distanceSextantDegrees + observation.distanceIndexCorrectionMinutes / 60.0;
  form.firstUtc = observation.watchTime - observation.watchFastSecondsGuess / kSecondsPerDay;
  // The computed altitudes and the discs depend on the time being found, so the time is a
  // fixed point of clearing-then-solving; the secant on (solved - assumed) finds it in a few
  // passes where plain repetition would creep (the parallax alone feeds half the error back).
  DateTime assumed[2] = {form.firstUtc, 0.0};
  double gap[2] = {0.0, 0.0};
  DateTime utc = form.firstUtc;
  LunarEphemeris ephemeris(scratch, observation.bodyIndex, choice);
  for (form.passes = 1; form.passes <= kMostPasses; ++form.passes) {
    form.refusal = ClearAt(ephemeris, utc, form);
    if (!form.Cleared()) return form;
    const std::optional<DateTime> solved =
        ephemeris.SolveTime(form.geocentricDistanceDegrees, utc, kSearchHours);
    if (!solved) {
      form.refusal = "No moment within 6 hours of the watch's time gives this distance.";
      return form;
    }
    const double moved = *solved - utc;
    if (std::fabs(moved) * kSecondsPerDay < kSettledSeconds) {
      utc = *solved;
      break;
    }
    assumed[1] = assumed[0];
    gap[1] = gap[0];
    assumed[0] = utc;
    gap[0] = moved;
    const bool secant = form.passes > 1 && gap[0] != gap[1];
    utc = secant ? assumed[0] - gap[0] * (assumed[0] - assumed[1]) / (gap[0] - gap[1]) : *solved;
  }
  form.utc = utc;
  form.refusal = FinishAtTime(ephemeris, form);
  return form;
}

}  // namespace nocturna
