#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/noon_row.h"
#include "sights/sight_body.h"
#include "sights/sight_row_kinds.h"

namespace nocturna {

RowReduction ReduceNoonRow(const SightRecord& row, const SightLine& line, RowContext& context) {
  RowReduction reduced;
  reduced.kind = SightKind::noon;
  if (line.corrections.caution == AltitudeCaution::belowHorizon) {
    reduced.note = "the altitude is too low to correct";
    return reduced;
  }
  const MeridianLatitude form =
      NoonRowLatitude(context.scratch, FindSightBody(row.body).value_or(kSunIndex), row.utc,
                      line.corrections.observedAltitudeDegrees, line.dr, context.choice);
  reduced.Add("ho", "Ho", form.observedAltitudeDegrees, FormatAltAz(form.observedAltitudeDegrees, true, 2));
  const double zenith = form.zenithDistanceName == 'N' ? form.zenithDistanceDegrees : -form.zenithDistanceDegrees;
  reduced.Add("zenithDistance", "ZD", zenith,
              FormatAltAz(form.zenithDistanceDegrees, true, 2) + form.zenithDistanceName);
  reduced.Add("declination", "Dec", form.declinationDegrees, FormatDeclination(form.declinationDegrees));
  if (form.refusal != nullptr) {
    reduced.note = form.refusal;
    return reduced;
  }
  reduced.Add("latitude", "Lat", form.latitudeDegrees, FormatLatitude(form.latitudeDegrees));
  reduced.result = "Lat " + FormatLatitude(form.latitudeDegrees);
  return reduced;
}

}  // namespace nocturna
