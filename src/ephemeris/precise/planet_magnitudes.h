#pragma once
// Visual magnitudes of the navigational planets: Mallama and Hilton (2018), "Computing
// apparent planetary magnitudes for The Astronomical Almanac", the formulas the almanac
// uses since 2018 (Mars without its season terms, Saturn with its rings).
namespace nocturna {

// Each takes the heliocentric and geocentric distances (au) and the phase angle (degrees).
double VenusMagnitude(double sunDistanceAu, double earthDistanceAu, double phaseAngle);
double MarsMagnitude(double sunDistanceAu, double earthDistanceAu, double phaseAngle);
double JupiterMagnitude(double sunDistanceAu, double earthDistanceAu, double phaseAngle);
// ringTiltSine: |sin| of the Earth's latitude over the ring plane.
double SaturnMagnitude(double sunDistanceAu, double earthDistanceAu, double phaseAngle,
                       double ringTiltSine);

}  // namespace nocturna
