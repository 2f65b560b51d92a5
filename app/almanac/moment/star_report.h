#pragma once
// The stars' page: one navigational star a line, in catalog order.
#include <string>

#include "navigation/body_catalog.h"

namespace nocturna {

// SHA, GHA, declination, Hc and Zn of the 57 stars as the catalog holds them after the
// position update and sight reduction (Windows-1252 text, one line per star).
std::string StarReport(const BodyCatalog& catalog);

}  // namespace nocturna
