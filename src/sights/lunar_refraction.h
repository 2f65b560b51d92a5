#pragma once
// Refraction as a lunar distance needs it: both ways between apparent and airless altitudes,
// and the flattening of a disc by the refraction's change with altitude.
namespace nocturna {

// The altitude without the atmosphere (degrees) of a body seen at apparent altitude
// `apparentDegrees`, by the almanac's refraction at temperature (degC) and pressure (hPa).
double AirlessAltitude(double apparentDegrees, double temperatureCelsius, double pressureHectopascals);

// The inverse: the apparent altitude (degrees) of a body whose airless altitude is
// `airlessDegrees`, to 1e-9 degree.
double ApparentAltitude(double airlessDegrees, double temperatureCelsius, double pressureHectopascals);

// How much of a semi-diameter survives refraction along a direction making `angleFromVertical`
// degrees with the vertical at a disc seen at `apparentDegrees`: 1 + cos^2 q dR/dh, where the
// refraction R falls with the altitude h, so the factor is below 1 (the disc looks squashed).
double RefractedSemiDiameterFactor(double apparentDegrees, double angleFromVerticalDegrees,
                                   double temperatureCelsius, double pressureHectopascals);

}  // namespace nocturna
