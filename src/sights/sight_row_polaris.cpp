#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/ellipsoid_reduction.h"
#include "sights/polaris_sight.h"
#include "sights/sight_body_names.h"
#include "sights/sight_row_kinds.h"
#include "sights/sight_texts.h"

namespace nocturna {

SightLine ReducePolarisSight(const SightRecord& row, const DrPosition& dr, const EphemerisChoice& choice) {
  SightLine line;
  line.bodyIndex = kPolarisBodyIndex;
  line.utc = row.utc;
  line.dr = dr;
  const BodyPlace place = PolarisPlaceAt(row.utc, choice).value_or(BodyPlace{});
  line.ghaDegrees = place.ghaDegrees;
  line.declinationDegrees = place.declinationDegrees;
  line.corrections = choice.kind == EphemerisKind::precise
                         ? CorrectOnTheEllipsoid(row.hsDegrees, row.conditions, Limb::centre,
                                                 GeocentricPlace{place.ghaDegrees, place.declinationDegrees, 0.0, 0.0}, dr)
                         : CorrectSextantAltitude(row.hsDegrees, row.conditions, BodyDisc{});
  const AltitudeAzimuth computed = ComputedAltitudeAzimuth(place.ghaDegrees, place.declinationDegrees, dr);
  line.hcDegrees = computed.hcDegrees;
  line.znDegrees = computed.znDegrees;
  line.interceptMiles = 60.0 * (line.corrections.observedAltitudeDegrees - line.hcDegrees);
  return line;
}

RowReduction ReducePolarisRow(const SightRecord& row, const SightLine& line, RowContext& context) {
  RowReduction reduced;
  reduced.kind = SightKind::polaris;
  const PolarisLatitude sight =
      LatitudeByPolaris(line.corrections.observedAltitudeDegrees, row.utc, line.dr, context.choice);
  reduced.Add("ho", "Ho", sight.observedAltitudeDegrees, FormatAltAz(sight.observedAltitudeDegrees, true, 2));
  if (sight.refusal != nullptr) {
    reduced.note = sight.refusal;
    return reduced;
  }
  reduced.Add("lhaAries", "LHA Aries", sight.lhaAriesDegrees, FormatAngle360(sight.lhaAriesDegrees));
  reduced.Add("a0Minutes", "a0", sight.a0Minutes, PrintfText("%.1f'", sight.a0Minutes));
  reduced.Add("a1Minutes", "a1", sight.a1Minutes, PrintfText("%.1f'", sight.a1Minutes));
  reduced.Add("a2Minutes", "a2", sight.a2Minutes, PrintfText("%.1f'", sight.a2Minutes));
  reduced.Add("tablesLatitude", "Lat by a0 a1 a2", sight.tablesLatitudeDegrees,
              FormatLatitude(sight.tablesLatitudeDegrees));
  reduced.Add("latitude", "Lat", sight.latitudeDegrees, FormatLatitude(sight.latitudeDegrees));
  reduced.Add("azimuth", "Zn", sight.azimuthDegrees, FormatAltAz(sight.azimuthDegrees, false, 3));
  reduced.result = "Lat " + FormatLatitude(sight.latitudeDegrees) + ", Zn " + FormatAltAz(sight.azimuthDegrees, false, 3);
  return reduced;
}

}  // namespace nocturna
