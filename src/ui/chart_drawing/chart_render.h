#pragma once
// A chart drawn offscreen: for the command line's chart image and for tests.
#include <QImage>

#include "chart/chart_compute.h"
#include "chart/observer_state.h"
#include "navigation/body_catalog.h"

namespace nocturna {

// Computes the observer's moment (as a paint does, for zoneTime) and draws the data block and
// the sky over the whole image; the image's width stands for the window's client width.
ChartPass RenderChart(QImage& image, ObserverState& observer, BodyCatalog& catalog,
                      SunEventsRecord& events);

}  // namespace nocturna
