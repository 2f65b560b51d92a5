#pragma once
// Where the chart puts things: the disc, each body's symbol box, the sky's state and which
// bodies are shown. The screen chart, picking and printing all place bodies through these,
// so what is drawn is what is picked and printed.
#include "navigation/body_catalog.h"

namespace nocturna {

// A body's place on the unit chart: x to the right and y downward in horizon radii (0 at the
// zenith, 1 on the horizon), and its symbol size (6 - magnitude; the semidiameter in minutes
// of arc for the Sun and the Moon).
struct ChartPosition {
  double x = 0.0;
  double y = 0.0;
  double symbolSize = 0.0;
};

// Catalog position k (0..63) from its hc (computed altitude, degrees), zn (true azimuth,
// degrees from north through east) and magnitude, as the last reduction for the DR position
// left them: the zenith distance (90 - hc) / 90 along the azimuth. With both signs +1 north is
// up and east to the right; rotateSign -1 turns the chart through 180 degrees, flipSign -1
// mirrors it left to right.
ChartPosition ChartPoint(const BodyCatalog& catalog, int k, int rotateSign, int flipSign);

// The drawing target's geometry in its pixels.
struct ChartGeometry {
  double centreX = 0.0;
  double centreY = 0.0;
  double radius = 0.0;       // horizon radius
  double diameter = 0.0;     // of the horizon disc
  double symbolScale = 0.0;  // half-size of a symbol per unit of symbol size
};

// The window's chart in the paint box's pixels: a width x height box, symbols scaled by the
// window's client width (0.00125 pixel per pixel of it). Diameter height - 10, centre
// (width / 2, height div 2).
ChartGeometry ScreenChartGeometry(int width, int height, int clientWidth);

// A symbol's box in the target's pixels; both edges belong to it.
struct SymbolBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  double halfSize = 0.0;  // pixels
};

// The box of a body's symbol at its chart position: centred on the position scaled by the
// horizon radius, half-size symbolSize x symbolScale, each edge truncated toward zero.
SymbolBox BodySymbolBox(const ChartGeometry& geometry, const ChartPosition& position);

// The sky by the Sun's computed altitude (degrees): day from -0.8 up, civil twilight above -6,
// nautical twilight above -12, night below.
enum class SkyState { Day, CivilTwilight, NauticalTwilight, Night };
SkyState SkyStateOf(double sunAltitude);

// Which bodies the chart shows: altitudes in degrees, magnitude.
struct VisibilityLimits {
  double minimumAltitude = 0.0;
  double maximumAltitude = 90.0;
  double maximumMagnitude = 3.5;
};

// All bodies (0 to 90 degrees, magnitude 3.5 or brighter), or the "Bright" filter (15 to 75
// degrees, magnitude 1.5 or brighter).
VisibilityLimits VisibilityLimitsFor(bool brightOnly);

// Whether body k (1..63) is drawn under the limits, by its hc (degrees) and magnitude; from the
// Sun on (Sun, Moon and planets) the minimum altitude is -0.8 degrees (the Sun's upper limb
// with refraction).
bool BodyShown(const BodyCatalog& catalog, int k, const VisibilityLimits& limits);

// The azimuth label of spoke i (0..35, ten degrees each clockwise from the top) as a multiple
// of ten degrees, following the rotation and the mirror.
int AzimuthLabelIndex(int spoke, int rotateSign, int flipSign);

// "N", "E", "S" or "W" for a label index that is a multiple of nine (0, 9, 18, 27 or 36).
char CardinalLetter(int labelIndex);

}  // namespace nocturna
