#include <algorithm>
#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/body_identification.h"
#include "sights/sight_body_names.h"
#include "sights/sight_row_kinds.h"

namespace nocturna {

// Candidates listed beyond the first, at most.
constexpr std::size_t kIdentifyCandidatesShown = 3;

RowReduction ReduceIdentifyRow(const SightRecord& row, RowContext& context) {
  RowReduction reduced;
  reduced.kind = SightKind::identify;
  if (!row.bearingDegrees) {
    reduced.note = "an identify row needs a rough bearing of the body (column bearing)";
    return reduced;
  }
  // A star's corrections: no semi-diameter, no parallax worth a tenth of a degree.
  const AltitudeCorrections corrections = CorrectSextantAltitude(row.hsDegrees, row.conditions, BodyDisc{});
  if (corrections.caution == AltitudeCaution::belowHorizon) {
    reduced.note = "the altitude is too low to correct";
    return reduced;
  }
  const double bearing = std::remainder(*row.bearingDegrees + row.variationDegrees.value_or(0.0), 360.0);
  const double trueBearing = bearing < 0.0 ? bearing + 360.0 : bearing;
  const double ho = corrections.observedAltitudeDegrees;
  reduced.Add("ho", "Ho", ho, FormatAltAz(ho, true, 2));
  reduced.Add("trueBearing", "bearing", trueBearing, FormatAltAz(trueBearing, false, 3));
  const Identification found =
      IdentifyBody(context.scratch, row.utc, PositionAt(context.dr, row.utc), ho, trueBearing, context.choice);
  for (std::size_t k = 0; k < found.candidates.size() && k < kIdentifyCandidatesShown; ++k) {
    const IdentifyCandidate& c = found.candidates[k];
    reduced.Add(PrintfText("candidate%zuDistance", k + 1), std::string(SightBodyName(c.bodyIndex)), c.distanceDegrees,
                PrintfText("%.1f\xB0 off (Hc %s Zn %s)", c.distanceDegrees, FormatAltAz(c.hcDegrees, true, 2).c_str(),
                           FormatAltAz(c.znDegrees, false, 3).c_str()));
  }
  const std::size_t named = std::min<std::size_t>(found.candidates.size(), found.tie ? 2 : 1);
  for (std::size_t k = 0; k < named; ++k) reduced.namedBodies.push_back(found.candidates[k].bodyIndex);
  if (found.candidates.empty()) reduced.note = found.note;
  else reduced.result = found.note;
  return reduced;
}

}  // namespace nocturna
