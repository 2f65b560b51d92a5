// Chart picking: a click on the chart names every body whose symbol lies under the mouse.
#include "chart/chart_picking.h"
#include "ui/main_window/main_window.h"
#include "ui/chart_drawing/sky_paint_box.h"

namespace nocturna {

void TForm1::ConnectPicking() {
  connect(controls_.skyPaintBox, &SkyPaintBox::Clicked, this,
          [this](QPoint at) { SkyPaintBoxClick(at.x(), at.y()); });
}

// The boxes come from what the last paint left in the catalog and the chart's present geometry
// and signs; one message box per body, in catalog order.
void TForm1::SkyPaintBoxClick(int x, int y) {
  for (const int k :
       BodiesAt(catalog_, ScreenGeometry(), observer_.rotateSign, observer_.flipSign, x, y)) {
    presenter_->Show(BodyMessage(catalog_, k));
  }
}

}  // namespace nocturna
