#pragma once
// Polaris (alpha Ursae Minoris, HIP 11767) at epoch J2000.0, ICRS, as the star table gives the
// navigational stars: the SIMBAD entry, whose place, proper motion and parallax are those of the
// Hipparcos new reduction (van Leeuwen 2007, A&A 474, 653): RA 02 31 49.09, Dec +89 15 50.8,
// proper motion 44.48 and -11.85 mas/yr, parallax 7.54 mas; radial velocity -17.4 km/s.
#include "ephemeris/precise/star_catalog_row.h"

namespace nocturna {

inline constexpr StarCatalogRow kPolarisCatalogRow{
    "Polaris", (2.0 + 31.0 / 60.0 + 49.09 / 3600.0) * 15.0, 89.0 + 15.0 / 60.0 + 50.8 / 3600.0,
    44.48, -11.85, 7.54, -17.4};

}  // namespace nocturna
