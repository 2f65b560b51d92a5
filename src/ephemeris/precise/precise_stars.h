#pragma once
// Apparent places of the 57 navigational stars from their J2000 catalogue places.
#include "ephemeris/precise/apparent_frame.h"
#include "ephemeris/precise/star_catalog_row.h"

namespace nocturna {

inline constexpr int kPreciseStarCount = 57;

// The apparent place of one catalogue star (Polaris: kPolarisCatalogRow), as below.
ApparentPlace ApparentStarOf(const ApparentFrame& frame, const StarCatalogRow& star);

// The stars in catalog order (kPreciseStarTable): proper motion, parallax and radial velocity
// to the frame's date, then light deflection by the Sun, annual aberration and the rotation to
// the true equator and equinox of date (ERFA's eraAtciq). Degrees.
void ApparentStarsOf(const ApparentFrame& frame, ApparentPlace (&places)[kPreciseStarCount]);

}  // namespace nocturna
