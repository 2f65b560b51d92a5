#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "navigation/body_catalog.h"

namespace nocturna {
namespace {

struct ExpectedEntry {
  int index;
  const char* name;
  int displayCode;
  double magnitude;
  double sha;
  double declination;
};

TEST(CatalogBuild, EntriesFollowTheFixedOrder) {
  const BodyCatalog catalog = BuildCatalog();
  const ExpectedEntry expected[] = {
      {kAriesIndex, "~Aries", 119, 0, 0, 0},
      {1, "Alpheratz", 119, 2.1, 358, 29},
      {16, "Betelgeuse", 13, 1.2, 271, 7},
      {18, "Sirius", 119, -1.5, 259, -17},
      {36, "Menkent", 13, 2.1, 148, -36},
      {38, "Rigel Kentaurus", 119, -0.3, 140, -61},
      {55, "Al Na'ir", 119, 1.7, 28, -47},
      {57, "Markab", 119, 2.5, 14, 15},
      {kVenusIndex, "Venus", 119, -4.4, 0, 0},
      {kMarsIndex, "Mars", 119, -1.52, 0, 0},
      {kJupiterIndex, "Jupiter", 119, -9.4, 0, 0},
      {kSaturnIndex, "Saturn", 119, -8.88, 0, 0},
      {kSunIndex, "Sun", 121, -12, 0, 0},
      {kMoonIndex, "Moon", 121, -10, 0, 0},
  };
  for (const ExpectedEntry& e : expected) {
    const CelestialBody& body = catalog.entries[e.index];
    SCOPED_TRACE(e.name);
    EXPECT_STREQ(body.name, e.name);
    EXPECT_EQ(body.displayCode, e.displayCode);
    EXPECT_DOUBLE_EQ(body.magnitude, e.magnitude);
    EXPECT_DOUBLE_EQ(body.sha, e.sha);
    EXPECT_DOUBLE_EQ(body.declination, e.declination);
  }
}

TEST(CatalogBuild, StarsAreInDecreasingShaAndResultsStartAtZero) {
  const BodyCatalog catalog = BuildCatalog();
  int codeThirteen = 0;
  for (int k = 0; k < kBodyCount; ++k) {
    const CelestialBody& body = catalog.entries[k];
    EXPECT_GT(std::strlen(body.name), 0u) << "entry " << k;
    if (body.displayCode == 13) ++codeThirteen;
    if (k > kFirstStarIndex && k < kFirstStarIndex + kStarCount) {
      EXPECT_LE(body.sha, catalog.entries[k - 1].sha) << body.name;
    }
    EXPECT_EQ(catalog.gha[k], 0.0);
    EXPECT_EQ(catalog.hc[k], 0.0);
    EXPECT_EQ(catalog.zn[k], 0.0);
  }
  EXPECT_EQ(codeThirteen, 2);
  EXPECT_EQ(catalog.moonRecord.declination, 0.0);
  EXPECT_EQ(catalog.sunPlanetRecords[kSunRecord].sha, 0.0);
}

}  // namespace
}  // namespace nocturna
