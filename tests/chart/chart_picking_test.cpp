// Chart picking: which symbol boxes hold a click (edges, overlaps, rotation and mirror, worked
// by hand on a 400 x 310 chart) and the texts of the message boxes.
#include <gtest/gtest.h>

#include "chart/chart_picking.h"

namespace nocturna::testing {
namespace {

// A 400 x 310 paint box in a window 800 wide: centre (200, 155), horizon radius 150, a symbol
// half-size of one pixel per unit of symbol size (6 - magnitude).
const ChartGeometry kGeometry = ScreenChartGeometry(400, 310, 800);

BodyCatalog CatalogBelowTheHorizon() {
  BodyCatalog catalog = BuildCatalog();
  for (int k = 1; k < kBodyCount; ++k) catalog.hc[k] = -90.0;  // boxes far off the disc
  return catalog;
}

void Place(BodyCatalog& catalog, int k, double hc, double zn, double magnitude) {
  catalog.hc[k] = hc;
  catalog.zn[k] = zn;
  catalog.entries[k].magnitude = magnitude;
}

TEST(ChartPicking, EdgesBelongToTheBoxAndOverlapsGiveEveryBodyInCatalogOrder) {
  BodyCatalog catalog = CatalogBelowTheHorizon();
  Place(catalog, 10, 90.0, 0.0, 1.0);  // at the zenith, half-size 5: box (195,150)-(205,160)
  Place(catalog, 3, 90.0, 0.0, 3.0);   // inside it, half-size 3: box (197,152)-(203,158)
  const struct {
    int x, y;
    std::vector<int> found;
  } clicks[] = {
      {195, 150, {10}}, {205, 160, {10}}, {195, 160, {10}}, {205, 150, {10}},
      {194, 155, {}},   {206, 155, {}},   {200, 149, {}},   {200, 161, {}},
      {197, 152, {3, 10}}, {203, 158, {3, 10}}, {200, 155, {3, 10}}, {196, 155, {10}},
  };
  for (const auto& c : clicks) {
    EXPECT_EQ(BodiesAt(catalog, kGeometry, 1, 1, c.x, c.y), c.found) << c.x << "," << c.y;
  }
}

TEST(ChartPicking, BoxesMoveWithTheRotationAndTheMirror) {
  BodyCatalog catalog = CatalogBelowTheHorizon();
  Place(catalog, 20, 30.0, 90.0, 1.0);  // 60° from the zenith in the east: 100 px right
  Place(catalog, 21, 30.0, 0.0, 1.0);   // the same in the north: 100 px up
  const struct {
    int rotateSign, flipSign;
    int eastX;   // where body 20 is drawn, at y 155
    int northY;  // where body 21 is drawn, at x 200
  } states[] = {{1, 1, 300, 55}, {-1, 1, 100, 255}, {1, -1, 100, 55}, {-1, -1, 300, 255}};
  for (const auto& s : states) {
    const int otherX = 400 - s.eastX;
    const int otherY = 310 - s.northY;
    EXPECT_EQ(BodiesAt(catalog, kGeometry, s.rotateSign, s.flipSign, s.eastX, 155),
              std::vector<int>{20});
    EXPECT_TRUE(BodiesAt(catalog, kGeometry, s.rotateSign, s.flipSign, otherX, 155).empty());
    EXPECT_EQ(BodiesAt(catalog, kGeometry, s.rotateSign, s.flipSign, 200, s.northY),
              std::vector<int>{21});
    EXPECT_TRUE(BodiesAt(catalog, kGeometry, s.rotateSign, s.flipSign, 200, otherY).empty());
  }
}

TEST(ChartPicking, MessageTextsAndCaptions) {
  BodyCatalog catalog = BuildCatalog();
  catalog.hc[1] = 5.3;
  catalog.zn[1] = 123.45;
  catalog.gha[1] = 10.5;
  catalog.entries[1].sha = 349.9;
  catalog.entries[1].declination = -29.5;
  catalog.entries[1].magnitude = -1.5;
  catalog.hc[kSunIndex] = -0.5;
  catalog.zn[kSunIndex] = 270.0;
  catalog.gha[kSunIndex] = 45.25;
  catalog.entries[kSunIndex].sha = 200.0;
  catalog.sunPlanetRecords[kSunRecord].radiusVector = 30 * 0.533128 / 15.99;  // SD 15.99'
  catalog.hc[kMoonIndex] = 89.96;
  catalog.zn[kMoonIndex] = 0.0;
  catalog.gha[kMoonIndex] = 359.9999;  // rounds to 000°00.0'
  catalog.entries[kMoonIndex].sha = 0.0;
  catalog.moonRecord.semiDiameter = 0.2745;  // degrees: 16.47'
  const struct {
    int k;
    const char* text;
  } cases[] = {
      {1, "Hc = 05.3\xB0\n\rZn = 123\xB0" "27.0'\n\rDec= 29\xB0" "30.0'S\n\rMagnitude = -1.5\n\r"
          "GHA = 010\xB0" "30.0'\n\rSHA = 349\xB0" "54.0'"},
      {kSunIndex, "Hc = -0.5\xB0\n\rZn = 270\xB0" "00.0'\n\rSD = 16.0\n\rGHA = 045\xB0"
                  "15.0'\n\rSHA = 200\xB0" "00.0'"},
      {kMoonIndex, "Hc = 90.0\xB0\n\rZn = 000\xB0" "00.0'\n\rSD = 16.5\n\rGHA = 000\xB0"
                   "00.0'\n\rSHA = 000\xB0" "00.0'"},
  };
  for (const auto& c : cases) {
    const Message message = BodyMessage(catalog, c.k);
    EXPECT_EQ(message.text, c.text) << c.k;
    EXPECT_EQ(message.caption, catalog.entries[c.k].name);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
  }
  EXPECT_EQ(BodyMessage(catalog, kSunIndex).caption, "Sun");
}

}  // namespace
}  // namespace nocturna::testing
