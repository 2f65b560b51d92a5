#include "navigation/body_catalog.h"

#include "navigation/initial_catalog_table.h"

namespace nocturna {

BodyCatalog BuildCatalog() {
  BodyCatalog catalog;
  for (int k = 0; k < kBodyCount; ++k) {
    const InitialCatalogRow& row = kInitialCatalog[k];
    CelestialBody& body = catalog.entries[k];
    SetBodyName(body, row.name);
    body.displayCode = row.displayCode;
    body.magnitude = row.magnitude;
    body.sha = row.sha;
    body.declination = row.declination;
  }
  return catalog;
}

}  // namespace nocturna
