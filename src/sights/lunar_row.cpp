#include "sights/lunar_row.h"

#include <cmath>

#include "foundations/angles.h"
#include "foundations/number_text.h"
#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/lunar_ephemeris.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_texts.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;

std::string Degrees(double degrees) { return FormatAltAz(degrees, true, 3); }
std::string Altitude(double degrees) { return FormatAltAz(degrees, true, 2); }
std::string Minutes(double minutes) { return PrintfText("%.1f'", minutes); }

// "2026-03-26 18:00:37.2": the moment to a tenth of a second.
std::string FormatTenthsMoment(DateTime utc) {
  const double tenths = std::round(utc * kSecondsPerDay * 10.0);
  const double wholeSecond = std::floor(tenths / 10.0);
  return FormatUtcMoment(wholeSecond / kSecondsPerDay) + PrintfText(".%d", static_cast<int>(tenths - wholeSecond * 10.0));
}

// The Moon's bright limb is the one toward the Sun: near when the body lies on the Sun's side
// of the Moon (the angle at the Moon between them under 90 degrees).
DistanceLimb BrightLimb(BodyCatalog& scratch, int bodyIndex, DateTime utc, const EphemerisChoice& choice) {
  if (bodyIndex == kSunIndex) return DistanceLimb::nearLimb;
  BringCatalogTo(scratch, utc, {}, choice);
  const auto place = [&](int index) { return GhaDeclination{scratch.gha[index], scratch.entries[index].declination}; };
  const double toSun = DegToRad(AngleBetweenPlaces(place(kMoonIndex), place(kSunIndex)));
  const double toBody = DegToRad(AngleBetweenPlaces(place(kMoonIndex), place(bodyIndex)));
  const double between = DegToRad(AngleBetweenPlaces(place(kSunIndex), place(bodyIndex)));
  return std::cos(between) - std::cos(toSun) * std::cos(toBody) > 0.0 ? DistanceLimb::nearLimb
                                                                       : DistanceLimb::farLimb;
}

void AddBodySteps(RowReduction& row, const char* key, const char* label, const LunarBodyStep& s) {
  const std::string k(key), l(label);
  row.Add(k + "AltitudeObserved", l + (s.altitudeObserved ? " altitude observed" : " altitude computed"),
          s.altitudeObserved ? 1.0 : 0.0, s.altitudeObserved ? "yes" : "from the DR");
  if (s.semiDiameterMinutes > 0.0)
    row.Add(k + "AugmentedSemiDiameterMinutes", l + " SD", s.augmentedSemiDiameterMinutes, Minutes(s.augmentedSemiDiameterMinutes));
  if (s.horizontalParallaxMinutes > 0.0)
    row.Add(k + "HorizontalParallaxMinutes", l + " HP", s.horizontalParallaxMinutes, Minutes(s.horizontalParallaxMinutes));
  row.Add(k + "SemiDiameterAlongDistanceMinutes", l + " SD along the distance", s.semiDiameterAlongDistanceMinutes,
          FormatCorrectionMinutes(s.semiDiameterAlongDistanceMinutes));
  row.Add(k + "ApparentAltitude", l + " Ha", s.apparentAltitudeDegrees, Altitude(s.apparentAltitudeDegrees));
  row.Add(k + "RefractionMinutes", l + " R", s.refractionMinutes, Minutes(s.refractionMinutes));
  row.Add(k + "GeocentricAltitude", l + " geocentric altitude", s.geocentricAltitudeDegrees,
          Altitude(s.geocentricAltitudeDegrees));
}

void AddFormSteps(RowReduction& row, const LunarForm& form) {
  const LunarObservation& o = form.observation;
  row.Add("watchUtc", "Watch", o.watchTime, FormatUtcMoment(o.watchTime));
  row.Add("moonLimbNear", "Moon's limb", o.moonLimb == DistanceLimb::nearLimb ? 1.0 : 0.0,
          o.moonLimb == DistanceLimb::nearLimb ? "near" : "far");
  row.Add("observedDistance", "Distance observed", form.observedDistanceDegrees, Degrees(form.observedDistanceDegrees));
  AddBodySteps(row, "moon", "Moon", form.moon);
  AddBodySteps(row, "body", o.bodyIndex == kSunIndex ? "Sun" : "Body", form.body);
  row.Add("apparentDistance", "Apparent distance", form.apparentDistanceDegrees, Degrees(form.apparentDistanceDegrees));
  row.Add("airlessDistance", "Airless distance", form.airlessDistanceDegrees, Degrees(form.airlessDistanceDegrees));
  row.Add("clearedDistance", "Cleared distance", form.geocentricDistanceDegrees, Degrees(form.geocentricDistanceDegrees));
}

}  // namespace

std::string FormatClockSeconds(double seconds) { return PrintfText("%+.1f s", seconds); }

LunarRowObservation LunarObservationOfRow(const SightRecord& row, RowContext& context) {
  LunarRowObservation result;
  LunarObservation& o = result.observation;
  const auto moon = FindSightBody(row.body);
  const auto other = FindSightBody(row.body2);
  if (moon != kMoonIndex) result.problem = "a lunar row's body is the Moon";
  else if (!other) result.problem = "a lunar row needs its other body in body2";
  else if (!row.distanceDegrees) result.problem = "a lunar row needs its distance";
  if (!result.problem.empty()) return result;
  o.bodyIndex = *other;
  o.distanceSextantDegrees = *row.distanceDegrees;
  o.distanceIndexCorrectionMinutes = row.conditions.indexCorrectionMinutes;
  o.bodyLimb = *other == kSunIndex ? DistanceLimb::nearLimb : DistanceLimb::centre;
  o.moonLimb = BrightLimb(context.scratch, *other, row.utc, context.choice);
  if (!TrimBlanks(row.Cell(SightColumn::hs)).empty()) o.moonAltitudeSextantDegrees = row.hsDegrees;
  o.bodyAltitudeSextantDegrees = row.hs2Degrees;
  o.moonAltitudeLimb = row.limb;
  o.bodyAltitudeLimb = row.limb2;
  o.conditions = row.conditions;
  o.watchTime = row.watchReading.value_or(row.utc);
  o.watchFastSecondsGuess = (o.watchTime - row.utc) * kSecondsPerDay;
  o.dr = PositionAt(context.dr, row.utc);
  return result;
}

RowReduction ReduceLunarRow(const SightRecord& row, RowContext& context) {
  RowReduction reduced;
  reduced.kind = SightKind::lunar;
  const LunarRowObservation observed = LunarObservationOfRow(row, context);
  if (!observed.problem.empty()) {
    reduced.note = observed.problem;
    return reduced;
  }
  const LunarForm form = ClearLunarDistance(context.scratch, observed.observation, context.choice);
  if (!form.Cleared()) {
    reduced.note = "lunar not cleared: " + form.refusal;
    return reduced;
  }
  AddFormSteps(reduced, form);
  reduced.Add("clearedUtc", "UTC", form.utc, FormatTenthsMoment(form.utc));
  reduced.Add("watchFastSeconds", "Watch fast", form.watchFastSeconds, FormatClockSeconds(form.watchFastSeconds));
  reduced.Add("rateMinutesPerMinute", "Rate", form.rateMinutesPerMinute, PrintfText("%+.3f'/min", form.rateMinutesPerMinute));
  reduced.Add("secondsPerTenthMinute", "0.1' is worth", form.secondsPerTenthMinute,
              PrintfText("%.1f s", form.secondsPerTenthMinute));
  reduced.result = "UTC " + FormatTenthsMoment(form.utc) + ", watch fast " + FormatClockSeconds(form.watchFastSeconds) +
                   PrintfText(" (0.1' = %.1f s)", form.secondsPerTenthMinute);
  return reduced;
}

SightRecord WatchRowOf(const WatchComparison& comparison) {
  SightRecord row;
  row.kind = SightKind::watch;
  row.utc = comparison.reference;
  row.watchReading = comparison.watchRead;
  return row;
}

RowReduction ReduceWatchRow(const SightRecord& row) {
  RowReduction reduced;
  reduced.kind = SightKind::watch;
  const double fast = (*row.watchReading - row.utc) * kSecondsPerDay;
  reduced.Add("watchUtc", "Watch", *row.watchReading, FormatUtcMoment(*row.watchReading));
  reduced.Add("watchFastSeconds", "Watch fast", fast, FormatClockSeconds(fast));
  reduced.result = "watch fast " + FormatClockSeconds(fast);
  return reduced;
}

}  // namespace nocturna
