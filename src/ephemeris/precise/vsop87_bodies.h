#pragma once
// The truncated VSOP87B tables of the Earth and the four navigational planets.
#include "ephemeris/precise/vsop87_series.h"

namespace nocturna {

// Each: the body's heliocentric series (J2000 ecliptic and equinox; radians and au), to be
// evaluated with EvaluateVsop at a TT date.
const VsopBody& Vsop87bEarth();
const VsopBody& Vsop87bVenus();
const VsopBody& Vsop87bMars();
const VsopBody& Vsop87bJupiter();
const VsopBody& Vsop87bSaturn();

}  // namespace nocturna
