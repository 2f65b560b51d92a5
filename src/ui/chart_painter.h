#pragma once
// The drawing half of a chart paint: the data block and the sky over any QPainter (the
// window's paint box, an offscreen image), in the target's pixels.
#include <QColor>
#include <vector>

#include "navigation/body_catalog.h"
#include "ui/chart_geometry.h"
#include "ui/data_block.h"
#include "ui/observer_state.h"

class QPainter;
class QString;

namespace nocturna {

// The disc's and the stars' colours in each state of the sky.
struct SkyColours {
  QColor sky;
  QColor star;
};
SkyColours SkyColoursOf(SkyState state);

// Text with its top-left corner at (x, y) in the painter's current font, pen and background.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text);

// The data block in the left part of a width x height box: line n at trunc(n x height/34 + 5),
// labels at trunc(width/160), values `column` such units further. Black on white, MS Sans Serif.
void DrawDataBlock(QPainter& painter, int width, int height, int fontSize,
                   const std::vector<DataBlockLine>& lines);

// The disc in the sky's colour, the altitude circles, the azimuth spokes with their labels
// (following the rotation and mirror of the observer) and the bodies the limits let through,
// each where ChartPoint and the geometry put it.
void DrawSky(QPainter& painter, const ChartGeometry& geometry, const ObserverState& observer,
             const BodyCatalog& catalog);

// A whole chart of a width x height box: white ground, data block, and the sky when the
// observer's drawSky is set. clientWidth scales the symbols.
void DrawChart(QPainter& painter, int width, int height, int clientWidth,
               const ObserverState& observer, const ChartPass& pass, const BodyCatalog& catalog,
               const SunEventsRecord& events);

}  // namespace nocturna
