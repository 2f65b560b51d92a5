#pragma once
// Latitude from a body's altitude on the meridian, step by step as on a noon form.

namespace nocturna {

// Each step: the zenith distance 90 - Ho takes the name opposite to the body's bearing, then
// is added to a declination of the same name or differenced with one of contrary name.
struct MeridianLatitude {
  double observedAltitudeDegrees = 0.0;  // Ho
  char bearing = 'S';                    // the body bears 'N' or 'S' on the meridian
  double zenithDistanceDegrees = 0.0;    // 90 - Ho
  char zenithDistanceName = 'N';         // opposite to the bearing
  double declinationDegrees = 0.0;       // north positive
  double latitudeDegrees = 0.0;          // north positive
  const char* refusal = nullptr;         // set when Ho is not 0..90 or the bearing not N/S
};

// The latitude from Ho (degrees) of a body on the upper meridian that bears `bearing`
// ('N' or 'S'), with its declination (degrees, north positive) at the moment.
MeridianLatitude LatitudeFromMeridianAltitude(double observedAltitudeDegrees, char bearing,
                                              double declinationDegrees);

}  // namespace nocturna
