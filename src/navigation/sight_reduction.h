#pragma once
// Computed altitude and true azimuth of every body for the observer's position.
#include "navigation/body_catalog.h"

namespace nocturna {

// For positions 1..63 (not Aries) writes hc (degrees, celestial horizon, no refraction,
// parallax or dip) and zn (degrees from true north through east, 0..360) from gha and the
// entry's declination. latitude: degrees north positive; longitude: degrees WEST positive,
// so LHA = GHA - longitude. Returns the last LHA computed (degrees).
double ReduceSights(BodyCatalog& catalog, double latitude, double longitude);

}  // namespace nocturna
