#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/amplitude_check.h"
#include "sights/polaris_sight.h"
#include "sights/sight_body.h"
#include "sights/sight_row_kinds.h"

namespace nocturna {
namespace {

// "3.5\xB0 E": an error or deviation by name.
std::string NamedDegrees(double degrees) {
  return PrintfText("%.1f\xB0 %c", std::fabs(degrees), degrees >= 0.0 ? 'E' : 'W');
}

// The check of the row's bearing against its body's true azimuth from the DR at its time:
// Polaris's from its own place.
CompassCheck CheckRow(const SightRecord& row, RowContext& context) {
  const DrPosition dr = PositionAt(context.dr, row.utc);
  if (row.body != kPolarisName)
    return CheckCompassOnBody(context.scratch, FindSightBody(row.body).value_or(kSunIndex), row.utc, dr,
                              row.bearingDegrees, row.variationDegrees, context.choice);
  const BodyPlace place = PolarisPlaceAt(row.utc, context.choice).value_or(BodyPlace{});
  return CheckCompass(ComputedAltitudeAzimuth(place.ghaDegrees, place.declinationDegrees, dr).znDegrees,
                      row.bearingDegrees, row.variationDegrees);
}

}  // namespace

void AddCompassSteps(RowReduction& row, const CompassCheck& check) {
  row.Add("trueAzimuth", "Zn", check.trueAzimuthDegrees, FormatAltAz(check.trueAzimuthDegrees, false, 3));
  if (check.refusal != nullptr) {
    row.note = check.refusal;
    return;
  }
  row.Add("compassBearing", "Compass", check.compassBearingDegrees, FormatAltAz(check.compassBearingDegrees, false, 3));
  row.Add("compassError", "Error", check.errorDegrees, NamedDegrees(check.errorDegrees));
  row.result = "Error " + NamedDegrees(check.errorDegrees);
  if (!check.variationDegrees || !check.deviationDegrees) return;
  row.Add("variation", "Var", *check.variationDegrees, NamedDegrees(*check.variationDegrees));
  row.Add("deviation", "Dev", *check.deviationDegrees, NamedDegrees(*check.deviationDegrees));
  row.result += ", deviation " + NamedDegrees(*check.deviationDegrees);
}

RowReduction ReduceAzimuthRow(const SightRecord& row, RowContext& context) {
  RowReduction reduced;
  reduced.kind = SightKind::azimuth;
  AddCompassSteps(reduced, CheckRow(row, context));
  if (!reduced.note.empty()) reduced.note = "an azimuth row needs the body's bearing by compass (column bearing)";
  return reduced;
}

RowReduction ReduceAmplitudeRow(const SightRecord& row, RowContext& context) {
  RowReduction reduced;
  reduced.kind = SightKind::amplitude;
  const int body = FindSightBody(row.body).value_or(0);
  const AmplitudeHorizon horizon = row.limb == Limb::lower ? AmplitudeHorizon::celestial : AmplitudeHorizon::visible;
  const AmplitudeCheck amplitude =
      CheckAmplitude(context.scratch, body, row.utc, PositionAt(context.dr, row.utc), horizon, row.conditions,
                     row.bearingDegrees, row.variationDegrees, context.choice);
  if (body != kSunIndex && body != kMoonIndex) {
    reduced.note = amplitude.check.refusal;
    return reduced;
  }
  reduced.Add("declination", "Dec", amplitude.declinationDegrees, FormatDeclination(amplitude.declinationDegrees));
  reduced.Add("amplitude", "Amplitude", amplitude.amplitudeDegrees,
              PrintfText("%c %.1f\xB0 %c", amplitude.amplitudeFrom, std::fabs(amplitude.amplitudeDegrees),
                         amplitude.amplitudeToward));
  AddCompassSteps(reduced, amplitude.check);
  return reduced;
}

}  // namespace nocturna
