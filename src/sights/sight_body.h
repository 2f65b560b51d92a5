#pragma once
// Which catalog body a sight is of, and its disc at the moment of the sight.
#include <optional>
#include <string_view>

#include "navigation/body_catalog.h"
#include "sights/sight_body_names.h"
#include "sights/sight_corrections.h"

namespace nocturna {

// True for the Sun and the Moon, whose limbs are observed.
bool BodyHasLimbs(int bodyIndex);

// The disc of the body at position bodyIndex for the moment the catalog was last brought to:
// the Sun's and Moon's semi-diameters and horizontal parallaxes, the planets' parallax from
// their distance (their semi-diameters are too small to observe), nothing for a star.
BodyDisc DiscOf(const BodyCatalog& catalog, int bodyIndex, Limb limb);

// The distance of the body at position bodyIndex from the Earth's centre, kilometres, for the
// moment the catalog was last brought to; 0 for a star.
double GeocentricDistanceKm(const BodyCatalog& catalog, int bodyIndex);

}  // namespace nocturna
