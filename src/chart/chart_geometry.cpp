#include "chart/chart_geometry.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

namespace {
constexpr double kSunriseAltitude = -0.8;  // degrees
}

ChartPosition ChartPoint(const BodyCatalog& catalog, int k, int rotateSign, int flipSign) {
  const double rho = (90.0 - catalog.hc[k]) / 90.0;
  const double azimuth = DegToRad(catalog.zn[k]);
  ChartPosition position;
  position.x = std::sin(azimuth) * rho * rotateSign * flipSign;
  position.y = -std::cos(azimuth) * rho * rotateSign;
  position.symbolSize = 6.0 - catalog.entries[k].magnitude;
  return position;
}

ChartGeometry ScreenChartGeometry(int width, int height, int clientWidth) {
  ChartGeometry geometry;
  geometry.diameter = height - 10.0;
  geometry.radius = geometry.diameter / 2.0;
  geometry.centreX = width / 2.0;
  geometry.centreY = height / 2;  // whole pixels, as the chart has always been centred
  geometry.symbolScale = 0.00125 * clientWidth;
  return geometry;
}

SymbolBox BodySymbolBox(const ChartGeometry& geometry, const ChartPosition& position) {
  SymbolBox box;
  box.halfSize = geometry.symbolScale * position.symbolSize;
  box.left = TruncToInt(position.x * geometry.radius + geometry.centreX - box.halfSize);
  box.top = TruncToInt(position.y * geometry.radius + geometry.centreY - box.halfSize);
  box.right = TruncToInt(box.left + 2.0 * box.halfSize);
  box.bottom = TruncToInt(box.top + 2.0 * box.halfSize);
  return box;
}

SkyState SkyStateOf(double sunAltitude) {
  if (sunAltitude >= kSunriseAltitude) return SkyState::Day;
  if (sunAltitude > -6.0) return SkyState::CivilTwilight;
  if (sunAltitude > -12.0) return SkyState::NauticalTwilight;
  return SkyState::Night;
}

VisibilityLimits VisibilityLimitsFor(bool brightOnly) {
  if (brightOnly) return {15.0, 75.0, 1.5};
  return {0.0, 90.0, 3.5};
}

bool BodyShown(const BodyCatalog& catalog, int k, const VisibilityLimits& limits) {
  const double minimum = k >= kSunIndex ? kSunriseAltitude : limits.minimumAltitude;
  const double hc = catalog.hc[k];
  if (hc < minimum) return false;
  if (hc > limits.maximumAltitude) return false;
  return catalog.entries[k].magnitude <= limits.maximumMagnitude;
}

int AzimuthLabelIndex(int spoke, int rotateSign, int flipSign) {
  int m = spoke;
  if (rotateSign == -1) m = spoke < 18 ? spoke + 18 : spoke - 18;
  if (flipSign == -1) m = 36 - m;
  return m;
}

char CardinalLetter(int labelIndex) { return "NESW"[labelIndex % 4]; }

}  // namespace nocturna
