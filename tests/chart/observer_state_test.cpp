// The observer's three time setters keep UT = ZT + ZD / 24 days whichever of them runs.
#include <gtest/gtest.h>

#include "chart/observer_state.h"

namespace nocturna::testing {
namespace {

constexpr double kHour = 1.0 / 24.0;

TEST(ObserverState, EverySetterKeepsUniversalTimeEqualToZoneTimePlusTheZone) {
  const DateTime noon = EncodeDateTime(2026, 6, 1, 12, 0, 0);
  ObserverState observer;
  observer.zoneDescription = 5;  // 75 degrees west: UT is five hours on
  observer.SetZoneTime(noon);
  EXPECT_DOUBLE_EQ(observer.universalTime, noon + 5 * kHour);

  observer.SetZoneDescription(-10);  // UT stays, the zone clock moves
  EXPECT_DOUBLE_EQ(observer.universalTime, noon + 5 * kHour);
  EXPECT_DOUBLE_EQ(observer.zoneTime, noon + 15 * kHour);

  observer.SetUniversalTime(noon);
  EXPECT_DOUBLE_EQ(observer.zoneTime, noon + 10 * kHour);
  EXPECT_DOUBLE_EQ(ZoneTimeOf(UniversalTimeOf(noon, 7), 7), noon);
}

}  // namespace
}  // namespace nocturna::testing
