#include "ephemeris/precise/precise_sun.h"

namespace nocturna {

ApparentSun ApparentSunOf(const ApparentFrame& frame) {
  const double(&earth)[2][3] = frame.earthHeliocentric;
  const eraASTROM& astrom = frame.astrom;
  ApparentSun sun;
  sun.distanceAu = astrom.em;
  // The Sun is seen where it was one light time (em / c days) ago; its barycentric velocity is
  // the Earth's barycentric velocity (astrom.v, in units of c) less its heliocentric one.
  const double lightTimeDays = astrom.em / ERFA_DC;
  double astrometric[3];
  for (int axis = 0; axis < 3; ++axis) {
    const double sunBarycentricVelocity = astrom.v[axis] * ERFA_DC - earth[1][axis];
    astrometric[axis] = -earth[0][axis] - sunBarycentricVelocity * lightTimeDays;
  }
  sun.place = ApparentPlaceOf(frame, astrometric, nullptr);
  return sun;
}

}  // namespace nocturna
