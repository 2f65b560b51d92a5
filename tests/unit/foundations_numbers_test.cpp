#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "foundations/angles.h"
#include "foundations/dr_position.h"

namespace nocturna {
namespace {

TEST(Angles, IntegerPartsSaturateAndFloorRoundsDown) {
  struct Case {
    double x;
    int trunc;
    int floor;
  };
  const Case cases[] = {{2.7, 2, 2},     {-2.7, -2, -3}, {-3.0, -3, -3}, {0.0, 0, 0},
                        {-0.1, 0, -1},   {1e12, INT_MAX, INT_MAX},       {-1e12, INT_MIN, INT_MIN},
                        {std::nan(""), 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(TruncToInt(c.x), c.trunc) << c.x;
    EXPECT_EQ(FloorToInt(c.x), c.floor) << c.x;
  }
}

TEST(Angles, WrappingKeepsItsEndsAndStopsOnBadInput) {
  EXPECT_DOUBLE_EQ(WrapPositive(-30.0, 360.0), 330.0);
  EXPECT_DOUBLE_EQ(WrapPositive(360.0, 360.0), 360.0);
  EXPECT_DOUBLE_EQ(WrapPositive(1090.0, 360.0), 10.0);
  EXPECT_DOUBLE_EQ(WrapPositive(1e12 + 5, 24.0), std::fmod(1e12 + 5, 24.0));
  EXPECT_TRUE(std::isnan(WrapPositive(std::numeric_limits<double>::infinity(), 360.0)));
  EXPECT_TRUE(std::isnan(WrapPositive(std::nan(""), 360.0)));
  EXPECT_NEAR(WrapTwoPi(-7.0), -7.0 + kTwoPi, 1e-12);

  struct HourCase {
    double in;
    double out;
    int code;
  };
  for (const HourCase& c : {HourCase{-1.0, 23.0, -1}, HourCase{25.0, 1.0, 1}, HourCase{24.0, 24.0, 0},
                            HourCase{49.0, 25.0, 1}}) {
    double h = c.in;
    EXPECT_EQ(WrapHours(h), c.code) << c.in;
    EXPECT_DOUBLE_EQ(h, c.out) << c.in;
  }
}

TEST(DrPosition, ZoneDescriptionRoundsHalfAwayFromZero) {
  struct Case {
    double longitude;
    int zd;
  };
  const Case cases[] = {{75.0, 5},    {82.5, 6},   {-7.5, -1},  {-0.001, 0},  {0.0, 0},
                        {7.49, 0},    {180.0, 12}, {-180.0, -12}, {-97.5, -7}, {std::nan(""), 0}};
  for (const Case& c : cases) EXPECT_EQ(ZoneDescriptionFromLongitude({42.0, c.longitude}), c.zd) << c.longitude;
}

TEST(DrPosition, ExactComparisonAndNmeaFields) {
  const DrPosition p{42.0, 75.0};
  EXPECT_FALSE(PositionsDiffer(p, 42.0, 75.0));
  EXPECT_TRUE(PositionsDiffer(p, 42.0, std::nextafter(75.0, 76.0)));
  EXPECT_TRUE(PositionsDiffer(p, -42.0, 75.0));

  const DrPosition northWest = NmeaToPosition(4207.50, 'N', 7030.00, 'W');
  EXPECT_NEAR(northWest.latitude, 42.125, 1e-12);
  EXPECT_NEAR(northWest.longitude, 70.5, 1e-12);
  const DrPosition southEast = NmeaToPosition(4207.50, 'S', 7030.00, 'E');
  EXPECT_NEAR(southEast.latitude, -42.125, 1e-12);
  EXPECT_NEAR(southEast.longitude, -70.5, 1e-12);
  // Any letter but 'N' / 'W' counts as south / east, as the receiver fields are read.
  EXPECT_LT(NmeaToPosition(100.0, 'x', 100.0, '\0').latitude, 0.0);
}

}  // namespace
}  // namespace nocturna
