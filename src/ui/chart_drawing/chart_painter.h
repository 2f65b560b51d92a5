#pragma once
// The drawing half of a chart paint: the data block and the sky over any QPainter (the
// window's paint box, an offscreen image), in the target's pixels.
#include <QColor>
#include <QFont>
#include <vector>

#include "chart/chart_geometry.h"
#include "chart/data_block.h"
#include "chart/observer_state.h"
#include "navigation/body_catalog.h"

class QPaintDevice;
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

// A nudge or gap of `ems` sizes of the font, in whole pixels of the device (the font's point
// size at the device's dots per inch, rounded). The chart's offsets are given so,
// and a page at any resolution keeps the screen's proportions; at 96 dots per inch an 8-point
// font is 32/3 pixels and a 12-point one 16.
int FontNudge(const QPaintDevice& device, const QFont& font, double ems);

// The data block in the left part of a width x height box: line n at trunc(n x height/34 + 5),
// labels at trunc(width/160), values `column` such units further. Black on white, MS Sans Serif.
void DrawDataBlock(QPainter& painter, int width, int height, int fontSize,
                   const std::vector<DataBlockLine>& lines);

// Where a data block's lines go, in the target's pixels: line n at trunc(n x lineHeight + top),
// its label at trunc(labelX), its value at trunc(labelX + column x columnUnit).
struct DataBlockLayout {
  double labelX = 0.0;
  double columnUnit = 0.0;
  double top = 0.0;
  double lineHeight = 0.0;
  int fontSize = 10;  // points
};
void DrawDataBlock(QPainter& painter, const DataBlockLayout& layout,
                   const std::vector<DataBlockLine>& lines);

// What a printed sky changes in the drawing; the defaults draw the window's sky.
struct SkyStyle {
  // Black outlines and text on white paper: a white disc, white-filled altitude circles and
  // symbols, the Moon's lit part black, text on an opaque white ground.
  bool blackOnWhite = false;
  QFont letterFont{QStringLiteral("Arial Black"), 12, QFont::Black};
  // Top-left corner of the cardinal letter from the outer end of the spoke at 0, 90, 180 and
  // 270 degrees, in sizes of letterFont (16 pixels at 96 dots per inch).
  double letterOffsets[4][2] = {
      {-0.4375, -0.125}, {-0.875, -0.6875}, {-0.3125, -1.3125}, {0.125, -0.6875}};
  // From a symbol's right edge to its name, in sizes of the names' 8-point font.
  double nameGap = 0.28125;
  double nameRise = 0.5;  // the name's top above the symbol's top, in symbol half-sizes
  bool sunNamed = false;  // the Sun carries its name like a star
};

// The disc in the sky's colour, the altitude circles, the azimuth spokes with their labels
// (following the rotation and mirror of the observer) and the bodies the limits let through,
// each where ChartPoint and the geometry put it.
void DrawSky(QPainter& painter, const ChartGeometry& geometry, const ObserverState& observer,
             const BodyCatalog& catalog, const SkyStyle& style = {});

// A whole chart of a width x height box: white ground, data block, and the sky when the
// observer's drawSky is set, in the sky style given. clientWidth scales the symbols.
void DrawChart(QPainter& painter, int width, int height, int clientWidth,
               const ObserverState& observer, const ChartPass& pass, const BodyCatalog& catalog,
               const SunEventsRecord& events, const SkyStyle& style = {});

}  // namespace nocturna
