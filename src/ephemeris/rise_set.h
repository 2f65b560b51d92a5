#pragma once
// Local sidereal times at which a body crosses a given altitude below the horizon.
#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// Status of RiseSetHourAngle.
inline constexpr int kCrossesAltitude = 0;
inline constexpr int kStaysAbove = -1;
inline constexpr int kStaysBelow = -2;

// For latitude (degrees, north positive), declination and right ascension (radians) and a
// depression h below the horizon (radians), the local sidereal times (hours 0..24) of rising and
// setting through altitude -h. Returns kCrossesAltitude and writes record.riseAzimuth and
// record.setAzimuth (true azimuths, radians 0..2pi); returns kStaysAbove or kStaysBelow, writing
// nothing, when the body does not cross that altitude.
int RiseSetHourAngle(BodyEphemeris& record, double latitude, double declination,
                     double rightAscension, double depression, double& riseLst, double& setLst);

}  // namespace nocturna
