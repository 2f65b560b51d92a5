#include "sights/meridian_latitude.h"

namespace nocturna {

MeridianLatitude LatitudeFromMeridianAltitude(double observedAltitudeDegrees, char bearing,
                                              double declinationDegrees) {
  MeridianLatitude form;
  form.observedAltitudeDegrees = observedAltitudeDegrees;
  form.bearing = bearing;
  form.declinationDegrees = declinationDegrees;
  if (!(observedAltitudeDegrees >= 0.0 && observedAltitudeDegrees <= 90.0)) {
    form.refusal = "A meridian altitude must lie between 0 and 90 degrees.";
    return form;
  }
  if (bearing != 'N' && bearing != 'S') {
    form.refusal = "The body must bear north or south on the meridian.";
    return form;
  }
  form.zenithDistanceDegrees = 90.0 - observedAltitudeDegrees;
  form.zenithDistanceName = bearing == 'S' ? 'N' : 'S';
  const double signedZenithDistance =
      form.zenithDistanceName == 'N' ? form.zenithDistanceDegrees : -form.zenithDistanceDegrees;
  form.latitudeDegrees = declinationDegrees + signedZenithDistance;
  if (form.latitudeDegrees > 90.0 || form.latitudeDegrees < -90.0) {
    form.refusal = "The altitude and declination give no latitude: check the bearing.";
  }
  return form;
}

}  // namespace nocturna
