#pragma once
// Radii that turn a geocentric distance into horizontal parallax and semi-diameter.
namespace nocturna {

inline constexpr double kEarthEquatorialRadiusKm = 6378.1366;  // IERS Conventions 2010
inline constexpr double kAstronomicalUnitKm = 149597870.7;     // IAU 2012
// The Sun's semi-diameter at one astronomical unit, arc seconds (the almanacs' 15' 59.63").
inline constexpr double kSunSemiDiameterAt1AuArcsec = 959.63;
// The Moon's radius in Earth equatorial radii (IAU value adopted for eclipse work).
inline constexpr double kMoonRadiusInEarthRadii = 0.2725076;

}  // namespace nocturna
