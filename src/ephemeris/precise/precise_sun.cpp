#include "ephemeris/precise/precise_sun.h"

namespace nocturna {

ApparentSun ApparentSunOf(const ApparentFrame& frame) {
  const double(&earth)[2][3] = frame.earthHeliocentric;
  const eraASTROM& astrom = frame.astrom;
  ApparentSun sun;
  sun.distanceAu = astrom.em;
  // Heliocentric: the Sun at rest, its light time nothing; aberration from the Earth's
  // heliocentric velocity gives the apparent direction to first order.
  double astrometric[3];
  for (int axis = 0; axis < 3; ++axis) astrometric[axis] = -earth[0][axis];
  sun.place = ApparentPlaceOf(frame, astrometric, nullptr);
  return sun;
}

}  // namespace nocturna
