// The almanac page's heading lines and rows, from a catalog set by hand and from a computed
// moment.
#include "navigation/almanac_page.h"

#include <gtest/gtest.h>

#include <string>

namespace nocturna {
namespace {

TEST(AlmanacPage, HourAngleFollowsTheMode) {
  BodyCatalog catalog = BuildCatalog();
  const int star = 7;
  struct Case {
    double sha;
    double ghaAries;
    const char* shaText;
    const char* ghaText;
  };
  const Case cases[] = {
      {350.0, 20.0,
       "350\xB0"
       "00.0'",
       "010\xB0"
       "00.0'"},
      {14.5, 345.5,
       "014\xB0"
       "30.0'",
       "000\xB0"
       "00.0'"},
      {0.0, 359.99999,
       "000\xB0"
       "00.0'",
       "000\xB0"
       "00.0'"},
      {180.0, 90.25,
       "180\xB0"
       "00.0'",
       "270\xB0"
       "15.0'"},
  };
  for (const Case& c : cases) {
    catalog.entries[star].sha = c.sha;
    catalog.gha[kAriesIndex] = c.ghaAries;
    const AlmanacMoment moment = AlmanacMomentOf(EncodeDateTime(2026, 6, 1, 0, 0, 0), 0);
    const AlmanacPage sha = BuildAlmanacPage(catalog, moment, 0, {}, AlmanacMode::Sha);
    const AlmanacPage gha = BuildAlmanacPage(catalog, moment, 0, {}, AlmanacMode::Gha);
    EXPECT_EQ(sha.stars[star - 1].cells[1], c.shaText) << c.sha << " + " << c.ghaAries;
    EXPECT_EQ(gha.stars[star - 1].cells[1], c.ghaText) << c.sha << " + " << c.ghaAries;
    EXPECT_EQ(sha.angleHeading, "SHA");
    EXPECT_EQ(gha.angleHeading, "GHA");
  }
}

TEST(AlmanacPage, HeadingShowsGreenwichDateAndUt) {
  BodyCatalog catalog = BuildCatalog();
  catalog.gha[kAriesIndex] = 249.1628;
  struct Case {
    DateTime zoneTime;
    int zd;
    DrPosition position;
    const char* dateLine;
    const char* positionLine;
  };
  const Case cases[] = {
      // 20:00 zone time at ZD +5 is 01:00 UT on the next day.
      {EncodeDateTime(2015, 6, 1, 20, 0, 0),
       5,
       {42.0, 75.0},
       "GD=02 - June,2015  UT=01-00-00  ZD=5",
       "Position: DRL=42\xB0"
       "00.0'N;  DRLo=075\xB0"
       "00.0'W"},
      {EncodeDateTime(2016, 1, 1, 3, 4, 5),
       -10,
       {-33.86, -151.2},
       "GD=31 - December,2015  UT=17-04-05  ZD=-10",
       "Position: DRL=33\xB0"
       "51.6'S;  DRLo=151\xB0"
       "12.0'E"},
  };
  for (const Case& c : cases) {
    const AlmanacPage page = BuildAlmanacPage(catalog, AlmanacMomentOf(c.zoneTime, c.zd), c.zd,
                                              c.position, AlmanacMode::Sha);
    EXPECT_EQ(page.dateLine, c.dateLine);
    EXPECT_EQ(page.positionLine, c.positionLine);
    EXPECT_EQ(page.ghaAriesLine,
              "GHA Aries=249\xB0"
              "09.8'");
  }
}

TEST(AlmanacPage, RowsInCatalogOrderWithSignedMagnitudeAndQuadrantLetters) {
  // The moment the command-line tests use: 2015-06-01 0h UT at 42N 75W.
  AlmanacSnapshot snapshot =
      TakeAlmanacSnapshot(EncodeDateTime(2015, 5, 31, 19, 0, 0), 5, DrPosition{42.0, 75.0});
  BodyCatalog& catalog = snapshot.catalog;
  catalog.entries[kMarsIndex].magnitude = -1.5;
  catalog.entries[kMarsIndex].declination = 0.0;
  const AlmanacPage page =
      BuildAlmanacPage(catalog, snapshot.moment, 5, snapshot.position, AlmanacMode::Sha);
  ASSERT_EQ(page.stars.size(), 57u);
  ASSERT_EQ(page.planets.size(), 4u);
  EXPECT_EQ(page.stars.front().cells[0], "Alpheratz");
  EXPECT_EQ(page.stars.back().cells[0], "Markab");
  for (int i = 0; i < 57; ++i) EXPECT_EQ(page.stars[i].catalogIndex, kFirstStarIndex + i);
  const char* planets[] = {"Venus", "Mars", "Jupiter", "Saturn"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(page.planets[i].cells[0], planets[i]);
  EXPECT_EQ(page.planets[1].cells[2],
            "00\xB0"
            "00.0'Q");
  EXPECT_EQ(page.planets[1].cells[3], "-1.5");
  // Sirius: apparent SHA 258.5474 and declination -16.7333 from its J2000 place for the moment.
  const TableRow& sirius = page.stars[17];
  EXPECT_EQ(sirius.cells[0], "Sirius");
  EXPECT_EQ(sirius.cells[1],
            "258\xB0"
            "32.8'");
  EXPECT_EQ(sirius.cells[2],
            "16\xB0"
            "44.0'S");
  EXPECT_EQ(sirius.cells[3], "-1.5");
}

}  // namespace
}  // namespace nocturna
