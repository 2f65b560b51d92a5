// Chart placement, sky states, the visibility limits and the azimuth labels.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_geometry.h"

namespace nocturna {
namespace {

TEST(ChartGeometry, ChartPointProjectsZenithDistanceAndFollowsRotationAndMirror) {
  BodyCatalog catalog{};
  catalog.hc[5] = 30.0;  // rho = 2/3
  catalog.zn[5] = 90.0;  // due east
  catalog.entries[5].magnitude = 1.5;
  struct Case {
    int rotate, flip;
    double x, y;
  } const cases[] = {{1, 1, 2.0 / 3, 0.0}, {-1, 1, -2.0 / 3, 0.0}, {1, -1, -2.0 / 3, 0.0},
                     {-1, -1, 2.0 / 3, 0.0}};
  for (const Case& c : cases) {
    const ChartPosition p = ChartPoint(catalog, 5, c.rotate, c.flip);
    EXPECT_NEAR(p.x, c.x, 1e-9) << c.rotate << c.flip;
    EXPECT_NEAR(p.y, c.y, 1e-9) << c.rotate << c.flip;
    EXPECT_DOUBLE_EQ(p.symbolSize, 4.5);
  }
  catalog.zn[5] = 0.0;  // due north: up, or down when rotated
  EXPECT_NEAR(ChartPoint(catalog, 5, 1, 1).y, -2.0 / 3, 1e-9);
  EXPECT_NEAR(ChartPoint(catalog, 5, -1, 1).y, 2.0 / 3, 1e-9);
  EXPECT_NEAR(ChartPoint(catalog, 5, 1, -1).y, -2.0 / 3, 1e-9);
}

TEST(ChartGeometry, ScreenGeometryAndSymbolBoxTruncate) {
  const ChartGeometry g = ScreenChartGeometry(1001, 601, 1200);
  EXPECT_DOUBLE_EQ(g.diameter, 591.0);
  EXPECT_DOUBLE_EQ(g.radius, 295.5);
  EXPECT_DOUBLE_EQ(g.centreX, 500.5);
  EXPECT_DOUBLE_EQ(g.centreY, 300.0);  // H div 2
  // Symbol size 5 at 1200 pixels of client width: half-size 7.5.
  const SymbolBox box = BodySymbolBox(g, ChartPosition{0.5, -0.25, 5.0});
  EXPECT_DOUBLE_EQ(box.halfSize, 7.5);
  EXPECT_EQ(box.left, static_cast<int>(0.5 * 295.5 + 500.5 - 7.5));   // 640.75 -> 640
  EXPECT_EQ(box.top, static_cast<int>(-0.25 * 295.5 + 300.0 - 7.5));  // 218.625 -> 218
  EXPECT_EQ(box.right, 655);
  EXPECT_EQ(box.bottom, 233);
}

TEST(ChartGeometry, SkyStateBoundaries) {
  struct Case {
    double sun;
    SkyState state;
  } const cases[] = {{10.0, SkyState::Day},           {-0.8, SkyState::Day},
                     {-0.81, SkyState::CivilTwilight}, {-5.99, SkyState::CivilTwilight},
                     {-6.0, SkyState::NauticalTwilight}, {-11.99, SkyState::NauticalTwilight},
                     {-12.0, SkyState::Night},         {-40.0, SkyState::Night}};
  for (const Case& c : cases) EXPECT_EQ(SkyStateOf(c.sun), c.state) << c.sun;
}

TEST(ChartGeometry, VisibilityLimitsOfBothModes) {
  BodyCatalog catalog{};
  struct Case {
    int k;
    double hc, magnitude;
    bool all, bright;
  } const cases[] = {
      {10, 45.0, 1.0, true, true},      {10, 80.0, 1.0, true, false},
      {10, 45.0, 1.6, true, false},     {10, 45.0, 3.5, true, false},
      {10, 45.0, 3.6, false, false},    {10, 10.0, 1.0, true, false},
      {10, -0.5, 1.0, false, false},    {10, 0.0, 1.0, true, false},
      {kSunIndex, -0.8, -26.0, true, true},   {kSunIndex, -0.81, -26.0, false, false},
      {kSunIndex, 76.0, -26.0, true, false},  {kMoonIndex, -0.5, -10.0, true, true},
      {kMoonIndex, 80.0, -10.0, true, false}, {kVenusIndex, 16.0, -4.0, true, true},
  };
  for (const Case& c : cases) {
    catalog.hc[c.k] = c.hc;
    catalog.entries[c.k].magnitude = c.magnitude;
    EXPECT_EQ(BodyShown(catalog, c.k, VisibilityLimitsFor(false)), c.all) << c.k << " " << c.hc;
    EXPECT_EQ(BodyShown(catalog, c.k, VisibilityLimitsFor(true)), c.bright) << c.k << " " << c.hc;
  }
}

TEST(ChartGeometry, AzimuthLabelsFollowRotationAndMirror) {
  // Top, right, bottom and left letters, and the first numbered spoke clockwise from the top.
  struct Case {
    int rotate, flip;
    const char* letters;
    int firstNumber;
  } const cases[] = {{1, 1, "NESW", 10}, {-1, 1, "SWNE", 190}, {1, -1, "NWSE", 350},
                     {-1, -1, "SENW", 170}};
  for (const Case& c : cases) {
    std::string letters;
    for (int spoke : {0, 9, 18, 27}) {
      letters += CardinalLetter(AzimuthLabelIndex(spoke, c.rotate, c.flip));
    }
    EXPECT_EQ(letters, c.letters) << c.rotate << c.flip;
    EXPECT_EQ(10 * AzimuthLabelIndex(1, c.rotate, c.flip), c.firstNumber) << c.rotate << c.flip;
  }
  // With the chart rotated the spoke labelled 0 is at the bottom.
  EXPECT_EQ(AzimuthLabelIndex(18, -1, 1), 0);
}

}  // namespace
}  // namespace nocturna
