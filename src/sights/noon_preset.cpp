#include "sights/noon_preset.h"

#include "foundations/text_forms.h"
#include "sights/sight_fields.h"

namespace nocturna {

RowReduction NoonPresetSteps(const LocalApparentNoon& noon, Limb limb) {
  RowReduction steps;
  steps.kind = SightKind::noon;
  if (noon.refusal != nullptr) steps.note = noon.refusal;
  steps.Add("noonUtc", "LAN", noon.utc, FormatUtcMoment(noon.utc) + " UTC");
  steps.Add("latitude", "DR", noon.position.latitude, FormatLatitude(noon.position.latitude));
  steps.Add("longitudeWest", "", noon.position.longitude, FormatLongitude(noon.position.longitude));
  steps.Add("declination", "Dec", noon.declinationDegrees, FormatDeclination(noon.declinationDegrees));
  steps.Add("meridianAltitude", "Ho", noon.meridianAltitudeDegrees,
            FormatAltAz(noon.meridianAltitudeDegrees, true, 2) + " bearing " + noon.bearing);
  const char* limbName = limb == Limb::lower ? "lower limb" : limb == Limb::upper ? "upper limb" : "centre";
  if (noon.presetHsDegrees)
    steps.Add("presetHs", std::string("preset Hs (") + limbName + ")", *noon.presetHsDegrees,
              FormatAltAz(*noon.presetHsDegrees, true, 2));
  steps.result = "LAN " + FormatUtcMoment(noon.utc) + " UTC";
  return steps;
}

}  // namespace nocturna
