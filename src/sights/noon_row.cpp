#include "sights/noon_row.h"

#include "sights/body_place.h"
#include "sights/local_apparent_noon.h"
#include "sights/sight_line.h"

namespace nocturna {

MeridianLatitude NoonRowLatitude(BodyCatalog& scratch, int bodyIndex, DateTime utc,
                                 double observedAltitudeDegrees, const DrPosition& dr,
                                 const EphemerisChoice& choice) {
  const BodyPlace place = PlaceOfBody(scratch, bodyIndex, utc, choice);
  const double meridian = MeridianAltitude(dr.latitude, place.declinationDegrees);
  const double now = ComputedAltitudeAzimuth(place.ghaDegrees, place.declinationDegrees, dr).hcDegrees;
  MeridianLatitude form = LatitudeFromMeridianAltitude(
      observedAltitudeDegrees, dr.latitude >= place.declinationDegrees ? 'S' : 'N', place.declinationDegrees);
  if (60.0 * (meridian - now) > kNoonRowLargestFallMinutes) {
    form.refusal = "The sight is too far from meridian passage for a noon latitude: reduce it as a line of position.";
  }
  return form;
}

}  // namespace nocturna
