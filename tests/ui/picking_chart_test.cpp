// Chart picking in the window: the body drawn under the mouse is the one named, one box per
// body under the click.
#include <QPushButton>
#include <algorithm>

#include "foundations/angles.h"
#include "memory_window_fixture.h"

namespace nocturna::testing {
namespace {

void Place(BodyCatalog& catalog, int k, double hc, double zn, double magnitude) {
  catalog.hc[k] = hc;
  catalog.zn[k] = zn;
  catalog.entries[k].magnitude = magnitude;
}

class PickingWindowTest : public MemoryWindowTest {
 protected:
  // The centre of the yellow pixels: the Sun's filled disc as the chart drew it.
  QPoint SunOnThePicture() {
    const QImage& picture = Picture();
    long sx = 0, sy = 0, n = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.pixel(x, y) != qRgb(255, 255, 0)) continue;
        sx += x;
        sy += y;
        ++n;
      }
    }
    EXPECT_GT(n, 10);
    return n == 0 ? QPoint(-1, -1) : QPoint(sx / n, sy / n);
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (const Message& m : presenter.shown) captions.push_back(m.caption);
    presenter.shown.clear();
    return captions;
  }
  static bool Has(const std::vector<std::string>& captions, const std::string& name) {
    return std::find(captions.begin(), captions.end(), name) != captions.end();
  }
};

// Whatever the rotation and the mirror, a click where the Sun is drawn names the Sun, and a
// click where it was drawn before the turn does not.
TEST_F(PickingWindowTest, TheBodyDrawnUnderTheMouseIsTheOneNamed) {
  clockTime = EncodeDateTime(2026, 6, 1, 15, 30, 0);  // the Sun high in the south-east
  Open();
  MainWindowTestAccess::PaintChartNow(*form);
  const QPoint upright = SunOnThePicture();
  QTest::mouseClick(form->Controls().skyPaintBox, Qt::LeftButton, {}, upright);
  EXPECT_TRUE(Has(Captions(), "Sun"));
  for (const char* toggle : {"RotateButton", "FlipEWButton", "RotateButton"}) {
    QTest::mouseClick(Find<QPushButton>(toggle), Qt::LeftButton);
    const QPoint drawn = SunOnThePicture();
    ASSERT_GT((drawn - upright).manhattanLength(), 40) << toggle;
    QTest::mouseClick(form->Controls().skyPaintBox, Qt::LeftButton, {}, drawn);
    EXPECT_TRUE(Has(Captions(), "Sun")) << toggle;
    QTest::mouseClick(form->Controls().skyPaintBox, Qt::LeftButton, {}, upright);
    EXPECT_FALSE(Has(Captions(), "Sun")) << toggle;
  }
}

// The handler shows one box per body under the click, from what the last paint left.
TEST_F(PickingWindowTest, OverlappingSymbolsGiveOneBoxEachInCatalogOrder) {
  Open();
  BodyCatalog& catalog = MainWindowTestAccess::Catalog(*form);
  for (int k = 1; k < kBodyCount; ++k) catalog.hc[k] = -90.0;
  Place(catalog, 10, 90.0, 0.0, 1.0);
  Place(catalog, 3, 90.0, 0.0, 3.0);
  const ChartGeometry g = form->ScreenGeometry();
  QTest::mouseClick(form->Controls().skyPaintBox, Qt::LeftButton, {},
                    QPoint(TruncToInt(g.centreX), TruncToInt(g.centreY)));
  EXPECT_EQ(Captions(), (std::vector<std::string>{catalog.entries[3].name, catalog.entries[10].name}));
  QTest::mouseClick(form->Controls().skyPaintBox, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(presenter.shown.empty());
}

}  // namespace
}  // namespace nocturna::testing
