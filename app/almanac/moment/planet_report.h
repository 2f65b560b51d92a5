#pragma once
// The four navigational planets: SHA, GHA, declination and magnitude.
#include <string>

#include "navigation/body_catalog.h"

namespace nocturna {

std::string PlanetReport(const BodyCatalog& catalog);

}  // namespace nocturna
