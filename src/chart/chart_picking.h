#pragma once
// Which bodies lie under a click on the chart, and what their message boxes say. The boxes are
// the drawn symbols' own (ChartPoint and BodySymbolBox with the chart's geometry), so a click
// finds what is drawn there, rotated or mirrored; no visibility test is made.
#include <vector>

#include "chart/chart_geometry.h"
#include "navigation/body_catalog.h"
#include "platform/message_presenter.h"

namespace nocturna {

// Catalog positions 1..63 whose symbol box holds the pixel (px, py), edges included, in catalog
// order. The catalog holds the results of the last paint (hc, zn in degrees); px, py are the
// pixels of the target the geometry describes; the signs are the chart's rotation and mirror.
std::vector<int> BodiesAt(const BodyCatalog& catalog, const ChartGeometry& geometry,
                          int rotateSign, int flipSign, int px, int py);

// The message box of body k (1..63): its catalog name as caption, Hc and Zn (degrees, for the
// last paint's DR position), GHA and SHA (degrees), then the semidiameter (minutes of arc) for
// the Sun and the Moon, or the declination and the magnitude for stars and planets.
Message BodyMessage(const BodyCatalog& catalog, int k);

}  // namespace nocturna
