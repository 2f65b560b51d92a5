// FormPaint: the one driver of computation. Every repaint computes the moment, then draws.
#include <QPainter>

#include "ui/chart_drawing/chart_painter.h"
#include "ui/main_window/application_look.h"
#include "ui/main_window/main_window.h"
#include "ui/chart_drawing/sky_paint_box.h"

namespace nocturna {

void TForm1::FormPaint() {
  std::optional<DateTime> clock;
  if (!observer_.staticTime) clock = CurrentUniversalTime();
  lastPass_ = ComputeChartPass(observer_, catalog_, events_, clock);
  ++paintCount_;
  if (lastPass_.dailyRun) ++dailyRunCount_;
  ShowEphemerisInTitle();
  QImage& picture = controls_.skyPaintBox->Picture();
  QPainter painter(&picture);
  // At night the chart is drawn as on paper, then turned to dark red on black.
  SkyStyle style;
  style.blackOnWhite = NightVisionOn();
  DrawChart(painter, picture.width(), picture.height(), width(), observer_, lastPass_, catalog_,
            events_, style);
  painter.end();
  if (style.blackOnWhite) TurnToNightVision(picture);
}

void TForm1::PaintChartNow() {
  FormPaint();
  controls_.skyPaintBox->ShowPicture();
}

}  // namespace nocturna
