#pragma once
// Rings round the bodies of the observer's ChartRings, in the window's or the print's style.
#include "chart/chart_geometry.h"
#include "chart/observer_state.h"
#include "navigation/body_catalog.h"
#include "ui/chart_drawing/chart_painter.h"

class QPainter;

namespace nocturna {

// A ring a few pixels outside each ringed body's symbol box (bodies above the horizon only):
// yellow on the window's sky, black on paper; the highlighted body gets a second, wider ring.
void DrawChartRings(QPainter& painter, const ChartGeometry& geometry, const ObserverState& observer,
                    const BodyCatalog& catalog, const SkyStyle& style);

}  // namespace nocturna
