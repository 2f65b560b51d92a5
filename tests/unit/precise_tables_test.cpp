// The precise engine's generated tables read as the published files they came from: sample
// rows against the source values (astronomia 4.3.0 data files, sefstars.txt of swisseph
// 0.5.17), and the star table in the catalog's order and spelling.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "ephemeris/precise/elpmpp02_table.h"
#include "ephemeris/precise/star_catalog_table.h"
#include "ephemeris/precise/vsop87b_earth_table.h"
#include "ephemeris/precise/vsop87b_jupiter_table.h"
#include "ephemeris/precise/vsop87b_mars_table.h"
#include "ephemeris/precise/vsop87b_saturn_table.h"
#include "ephemeris/precise/vsop87b_venus_table.h"
#include "navigation/body_catalog.h"

namespace nocturna {
namespace {

struct VsopSample {
  const char* where;  // file, series and kept row
  VsopTerm got;
  VsopTerm source;
};

TEST(PreciseTables, VsopRowsReadAsTheSourceFiles) {
  const VsopSample samples[] = {
      {"vsop87Bearth L0 row 1", vsop87b_earth::kL0[1], {0.03341656453, 4.66925680415, 6283.0758499914}},
      {"vsop87Bvenus B1 row 0", vsop87b_venus::kB1[0], {0.00287821243, 1.88964962838, 10213.285546211}},
      {"vsop87Bmars R0 last kept", vsop87b_mars::kR0[220], {3.86e-8, 3.48197884682, 20618.0193585336}},
      {"vsop87Bjupiter L3 row 0", vsop87b_jupiter::kL3[0], {0.00006501673, 2.5986292365, 7.1135470008}},
      {"vsop87Bsaturn L2 last kept", vsop87b_saturn::kL2[12], {0.00000648857, 4.33990455509, 419.4846438752}},
  };
  for (const VsopSample& s : samples) {
    EXPECT_EQ(s.got.amplitude, s.source.amplitude) << s.where;
    EXPECT_EQ(s.got.phase, s.source.phase) << s.where;
    EXPECT_EQ(s.got.frequency, s.source.frequency) << s.where;
  }
  // The series index points at its own rows, with their counts.
  EXPECT_EQ(vsop87b_mars::kBody.radius.powers[0].terms, vsop87b_mars::kR0);
  EXPECT_EQ(vsop87b_mars::kBody.radius.powers[0].count, 221);
  EXPECT_EQ(vsop87b_jupiter::kBody.longitude.powers[3].count, 1);
  EXPECT_EQ(vsop87b_jupiter::kBody.longitude.powers[4].count, 0);
}

TEST(PreciseTables, ElpRowsReadAsTheSourceFile) {
  struct ElpSample {
    const char* where;
    ElpTerm got;
    ElpTerm source;
  };
  const ElpSample samples[] = {
      {"L0 row 0", elpmpp02::kL0[0],
       {22639.585659999782,
        {2.3555545503868025, 8328.69142462345, 0.00015229240776232618, 2.507188741546547e-7,
         -1.2359839986206508e-9}}},
      {"R1 last kept", elpmpp02::kR1[4],
       {0.12301999382765855,
        {4.669263292528159, 628.3019552140604, -0.0000026638814929085117, 6.163921141626641e-10,
         -5.44397282517898e-11}}},
      {"B0 last kept", elpmpp02::kB0[435],
       {0.0030039751024900155,
        {1.4922440623433317, 16755.59862651592, -0.00009709775343840042, 2.571364498142379e-8,
         -2.334377874542416e-10}}},
  };
  for (const ElpSample& s : samples) {
    EXPECT_EQ(s.got.amplitude, s.source.amplitude) << s.where;
    for (int p = 0; p < 5; ++p) EXPECT_EQ(s.got.phase[p], s.source.phase[p]) << s.where << " p" << p;
  }
  const double meanLongitude[] = {3.8103440908308803, 8399.68473007193, -0.00003318952042550094,
                                  3.1102494491060616e-8, -2.0328237648922845e-10};
  for (int p = 0; p < 5; ++p) EXPECT_EQ(elpmpp02::kMeanLongitude[p], meanLongitude[p]) << p;
  EXPECT_EQ(elpmpp02::kMoon.latitude.powers[0].count, 436);
  EXPECT_EQ(elpmpp02::kMoon.latitude.powers[3].terms, nullptr);
}

double Hours(double h, double m, double s) { return 15.0 * (h + m / 60.0 + s / 3600.0); }
double Degrees(double sign, double d, double m, double s) { return sign * (d + m / 60.0 + s / 3600.0); }

TEST(PreciseTables, StarRowsReadAsTheSourceFile) {
  struct StarSample {
    int index;  // zero-based in the table, catalog star index + 1
    StarCatalogRow source;
  };
  const StarSample samples[] = {
      {17, {"Sirius", Hours(6, 45, 8.91728), Degrees(-1, 16, 42, 58.0171), -546.01, -1223.07, 379.21, -5.5}},
      {37, {"Rigel Kentaurus", Hours(14, 39, 36.4958), Degrees(-1, 60, 50, 2.309), -3678.06, 482.87, 742.0, -21.6}},
      {39, {"Kochub", Hours(14, 50, 42.32580), Degrees(1, 74, 9, 19.8142), -32.61, 11.42, 24.91, 16.96}},
  };
  for (const StarSample& s : samples) {
    const StarCatalogRow& got = kPreciseStarTable[s.index];
    EXPECT_STREQ(got.name, s.source.name);
    EXPECT_NEAR(got.rightAscension, s.source.rightAscension, 1e-12) << s.source.name;
    EXPECT_NEAR(got.declination, s.source.declination, 1e-12) << s.source.name;
    EXPECT_EQ(got.properMotionRa, s.source.properMotionRa) << s.source.name;
    EXPECT_EQ(got.properMotionDec, s.source.properMotionDec) << s.source.name;
    EXPECT_EQ(got.parallax, s.source.parallax) << s.source.name;
    EXPECT_EQ(got.radialVelocity, s.source.radialVelocity) << s.source.name;
  }
  const BodyCatalog catalog = BuildCatalog();
  for (int k = 0; k < kStarCount; ++k) {
    EXPECT_STREQ(kPreciseStarTable[k].name, catalog.entries[kFirstStarIndex + k].name) << k;
  }
}

}  // namespace
}  // namespace nocturna
