#pragma once
// What one moment fixes for every apparent place: the Earth's barycentric and heliocentric
// state, precession-nutation, the Earth rotation angle and the equation of the origins.
#include <erfa.h>
#include <erfam.h>

#include "ephemeris/precise/precise_instant.h"

namespace nocturna {

struct ApparentFrame {
  eraASTROM astrom{};                // ERFA's star-independent parameters, GCRS to CIRS
  double earthHeliocentric[2][3]{};  // Earth from the Sun, ICRS axes: au, au/day
  double equationOfOrigins = 0.0;    // ERA - GAST, radians
  double earthRotationAngle = 0.0;   // ERA at UT1, radians
};

// The frame of the instant (TT used for TDB, 1.7 ms apart). The Earth's heliocentric state
// comes from the truncated VSOP87B series, so that the planets' geocentric vectors difference
// one theory; the heliocentric velocity serves for the annual aberration (the Sun's barycentric
// motion, at most 15 m/s, is left out: at most 0.01" for a star, and to first order it cancels
// for the Sun and the planets against their light time). Bias, precession and nutation IAU
// 2000B (eraPnm00b: within 1 mas of IAU 2006/2000A in 1995-2050 and a few mas over 1901-2099,
// at a tenth of the cost), the CIO locator eraS00, the Earth rotation angle at UT1.
ApparentFrame MakeApparentFrame(const PreciseInstant& instant);

// The frame's rotation alone (the celestial-to-intermediate matrix astrom.bpn, the equation of
// the origins, the Earth rotation angle), without the Earth's state: enough for
// GeometricPlaceOf and GhaAriesOf (the Moon's fast path), not for ApparentPlaceOf.
ApparentFrame MakeRotationFrame(const PreciseInstant& instant);

// An apparent place, true equator and equinox of date, all degrees.
struct ApparentPlace {
  double rightAscension = 0.0;  // [0, 360), from the true equinox
  double declination = 0.0;     // north positive
  double gha = 0.0;             // [0, 360), westward from Greenwich
};

// The apparent place of a body whose astrometric geocentric position (light time already
// allowed for) is `astrometric` (BCRS axes, any unit): annual aberration and, when
// `heliocentricDirection` is given (unit vector from the Sun to the body), the Sun's light
// deflection; then the celestial-to-intermediate rotation and the equation of the origins.
ApparentPlace ApparentPlaceOf(const ApparentFrame& frame, const double astrometric[3],
                              const double* heliocentricDirection);

// The place as seen without aberration or deflection (the Moon, whose light-time displacement
// cancels the annual aberration to first order): only the rotation to the true equator and
// equinox of date.
ApparentPlace GeometricPlaceOf(const ApparentFrame& frame, const double geocentric[3]);

// GHA Aries (Greenwich apparent sidereal time), degrees [0, 360).
double GhaAriesOf(const ApparentFrame& frame);

}  // namespace nocturna
