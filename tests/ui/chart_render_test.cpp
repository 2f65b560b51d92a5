// The drawn chart, from a catalog filled by hand: the sky's colour, which bodies are drawn and
// the Moon's phase, read back from the pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/chart_drawing/chart_painter.h"

namespace nocturna {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kSilver = qRgb(192, 192, 192);

class ChartRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int k = 1; k < kBodyCount; ++k) {
      catalog.hc[k] = -50.0;  // everything below the horizon unless a test lifts it
      catalog.entries[k].magnitude = 1.0;
    }
    observer.staticTime = true;
  }

  QImage Draw() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawChart(painter, kWidth, kHeight, kWidth, observer, ChartPass{}, catalog, events);
    return image;
  }

  // The symbol box of body k as the chart places it.
  SymbolBox BoxOf(int k) const {
    return BodySymbolBox(ScreenChartGeometry(kWidth, kHeight, kWidth),
                         ChartPoint(catalog, k, observer.rotateSign, observer.flipSign));
  }

  static int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
    }
    return count;
  }

  BodyCatalog catalog{};
  SunEventsRecord events{};
  ObserverState observer;
};

// A point inside the disc between the horizon and the 10-degree circle, 15 degrees east of
// north: clear of spokes and labels.
QRgb DiscColour(const QImage& image) {
  const ChartGeometry g = ScreenChartGeometry(kWidth, kHeight, kWidth);
  const double rho = g.radius * 8.5 / 9.0;
  return image.pixel(static_cast<int>(g.centreX + rho * 0.2588),
                     static_cast<int>(g.centreY - rho * 0.9659));
}

TEST_F(ChartRenderTest, SunAtSunriseAltitudeIsDayAndDrawnJustBelowItIsTwilight) {
  struct Case {
    double sunAltitude;
    QRgb disc;
    bool sunDrawn;
  } const cases[] = {{-0.8, qRgb(0, 255, 255), true},
                     {-0.81, qRgb(0, 128, 255), false},
                     {-6.0, qRgb(0, 0, 255), false},
                     {-12.0, qRgb(0, 0, 128), false}};
  catalog.zn[kSunIndex] = 120.0;
  catalog.entries[kSunIndex].magnitude = 6.0 - 16.0;
  for (const Case& c : cases) {
    catalog.hc[kSunIndex] = c.sunAltitude;
    const QImage image = Draw();
    EXPECT_EQ(DiscColour(image), c.disc) << c.sunAltitude;
    EXPECT_EQ(CountColour(image, kYellow) > 0, c.sunDrawn) << c.sunAltitude;
  }
}

TEST_F(ChartRenderTest, StarsTakeTheSkysStarColourAndTheBrightFilterHidesFaintOnes) {
  catalog.hc[kSunIndex] = -30.0;  // night: white stars
  catalog.hc[7] = 45.0;
  catalog.zn[7] = 205.0;
  catalog.entries[7].magnitude = 1.6;
  const SymbolBox box = BoxOf(7);
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  EXPECT_EQ(Draw().pixel(cx, cy), qRgb(255, 255, 255));
  observer.brightOnly = true;
  EXPECT_EQ(Draw().pixel(cx, cy), qRgb(0, 0, 128));
}

TEST_F(ChartRenderTest, MoonPhaseFillsTheLitSideByFraction) {
  catalog.hc[kSunIndex] = -30.0;
  catalog.hc[kMoonIndex] = 55.0;
  catalog.zn[kMoonIndex] = 180.0;
  catalog.entries[kMoonIndex].magnitude = 6.0 - 40.0;  // a large disc: 80 pixels across
  const SymbolBox box = BoxOf(kMoonIndex);
  const int xm = (box.left + box.right) / 2;
  const int ym = (box.top + box.bottom) / 2;
  struct Case {
    double sunSha, moonSha, fraction;
    bool leftLit, rightLit;
  } const cases[] = {
      {100.0, 10.0, 0.5, true, false},    // elongation 90: first quarter, left half
      {10.0, 100.0, 0.5, false, true},    // elongation 270: last quarter, right half
      {100.0, 10.0, 1.0, true, true},     // full
      {100.0, 10.0, 0.0, false, false},   // new: a disc of the sky's colour
  };
  for (const Case& c : cases) {
    catalog.entries[kSunIndex].sha = c.sunSha;
    catalog.entries[kMoonIndex].sha = c.moonSha;
    catalog.moonRecord.illuminatedFraction = c.fraction;
    const QImage image = Draw();
    SCOPED_TRACE(c.fraction);
    EXPECT_EQ(image.pixel(xm - 20, ym) == kSilver, c.leftLit);
    EXPECT_EQ(image.pixel(xm + 20, ym) == kSilver, c.rightLit);
    if (c.fraction == 0.5) {
      // Exactly half: the lit side reaches the middle column and stops there (the grid shows
      // through the dark side, so that side is only checked for not being lit).
      const int lit = c.leftLit ? xm - 2 : xm + 2;
      const int dark = c.leftLit ? xm + 2 : xm - 2;
      for (int y = ym - 30; y <= ym + 30; y += 10) {
        EXPECT_EQ(image.pixel(lit, y), kSilver) << y;
        EXPECT_NE(image.pixel(dark, y), kSilver) << y;
      }
    }
  }
}

}  // namespace
}  // namespace nocturna
