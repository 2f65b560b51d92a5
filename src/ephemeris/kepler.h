#pragma once
// Kepler's equation for the elliptic orbits of the Sun, the planets and the Moon.
#include "ephemeris/body_ephemeris.h"

namespace nocturna {

// Solves M = E - e sin E by Newton's method to 1e-6 rad. Reads body.meanAnomaly (radians)
// and body.eccentricity; writes eccentricAnomaly and trueAnomaly (radians, -pi..pi) and
// returns the true anomaly. Meant for e below about 0.1; a NaN argument gives NaN
// after at most 50 rounds instead of looping.
double SolveKepler(BodyEphemeris& body);

}  // namespace nocturna
