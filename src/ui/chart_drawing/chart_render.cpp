#include "ui/chart_drawing/chart_render.h"

#include <QPainter>

#include "ui/chart_drawing/chart_painter.h"

namespace nocturna {

ChartPass RenderChart(QImage& image, ObserverState& observer, BodyCatalog& catalog,
                      SunEventsRecord& events) {
  const ChartPass pass = ComputeChartPass(observer, catalog, events, std::nullopt);
  QPainter painter(&image);
  DrawChart(painter, image.width(), image.height(), image.width(), observer, pass, catalog,
            events);
  return pass;
}

}  // namespace nocturna
