#include "ui/chart_drawing/chart_ring_drawing.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace nocturna {

void DrawChartRings(QPainter& painter, const ChartGeometry& geometry, const ObserverState& observer,
                    const BodyCatalog& catalog, const SkyStyle& style) {
  const ChartRings& rings = observer.rings;
  if (rings.count == 0) return;
  // The gap scales with the symbols so a printed page rings as the window does.
  const double gap = std::max(3.0, geometry.symbolScale * 4);
  QPen pen(style.blackOnWhite ? QColor(Qt::black) : QColor(255, 255, 0));
  pen.setWidthF(std::max(1.5, geometry.symbolScale * 1.5));
  painter.save();
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < rings.count; ++i) {
    const int k = rings.bodies[i];
    if (k < kFirstStarIndex || k > kMoonIndex || catalog.hc[k] < 0) continue;
    const SymbolBox box =
        BodySymbolBox(geometry, ChartPoint(catalog, k, observer.rotateSign, observer.flipSign));
    const QPointF centre((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0);
    const double radius = box.halfSize + gap;
    painter.drawEllipse(centre, radius, radius);
    if (k == rings.highlighted) painter.drawEllipse(centre, radius + 2 * gap, radius + 2 * gap);
  }
  painter.restore();
}

}  // namespace nocturna
