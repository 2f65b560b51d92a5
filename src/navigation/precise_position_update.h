#pragma once
// Brings the whole body catalog to one moment with the precise engine.
#include "ephemeris/precise/precise_instant.h"
#include "navigation/body_catalog.h"

namespace nocturna {

// The precise engine's counterpart of ComputePositions, filling the same fields: the 57
// stars' SHA and declination; the Sun, planet and Moon records (name, magnitude, declination,
// SHA, right ascension, radius vector, and for the Moon horizontal parallax, semi-diameter,
// distance and illuminated fraction; the Sun record's equation of time) and entries 59..64
// from them; gha[k] = SHA + GHA Aries for all 64 entries. Geocentric apparent places, true
// equator and equinox of date, degrees; UT1 for the hour angles, TT for the places. Returns
// GHA Aries (Greenwich apparent sidereal time) in degrees [0, 360), also gha[0]. Allocates
// nothing.
double ComputePrecisePositions(BodyCatalog& catalog, const PreciseInstant& instant);

// The same for one body only (catalog position 1..63) and GHA Aries: the entry, its record and
// gha[bodyIndex] as ComputePrecisePositions fills them (the stars all together); the rest of
// the catalog is left as it was. Returns GHA Aries in degrees.
double ComputePreciseBody(BodyCatalog& catalog, const PreciseInstant& instant, int bodyIndex);

}  // namespace nocturna
