#pragma once
// The bodies above the celestial horizon (Hc at least 0), in catalog order.
#include <string>

#include "navigation/body_catalog.h"

namespace nocturna {

// Name, Hc, Zn and magnitude of every star, planet, the Sun and the Moon with Hc >= 0 (the
// Sun's and the Moon's magnitude column stays empty, as in the visible-bodies list).
std::string VisibleReport(const BodyCatalog& catalog);

// True for the bodies VisibleReport lists.
bool IsAboveHorizon(const BodyCatalog& catalog, int k);

}  // namespace nocturna
