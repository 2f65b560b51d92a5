// One chart pass: the daily run only when the zone date or the position changed, and the
// moment of the clock while animating.
#include <gtest/gtest.h>

#include "chart/chart_compute.h"

namespace nocturna {
namespace {

TEST(ChartCompute, DailyRunFollowsTheZoneDateAndThePositionOnly) {
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events{};
  ObserverState observer;
  observer.staticTime = true;
  observer.drPosition = {42.0, 75.0};
  observer.zoneDescription = 5;
  struct Step {
    DateTime zoneTime;
    DrPosition position;
    bool dailyRun;
  } const steps[] = {
      {EncodeDateTime(2026, 6, 21, 10, 0, 0), {42.0, 75.0}, true},   // the first pass
      {EncodeDateTime(2026, 6, 21, 23, 59, 59), {42.0, 75.0}, false},
      {EncodeDateTime(2026, 6, 22, 0, 0, 0), {42.0, 75.0}, true},    // past midnight
      {EncodeDateTime(2026, 6, 22, 6, 0, 0), {42.0, 75.0}, false},
      {EncodeDateTime(2026, 6, 22, 6, 0, 0), {42.0, 75.1}, true},    // moved
      {EncodeDateTime(2026, 6, 22, 6, 0, 0), {42.0, 75.1}, false},
  };
  for (const Step& step : steps) {
    observer.zoneTime = step.zoneTime;
    observer.drPosition = step.position;
    const ChartPass pass = ComputeChartPass(observer, catalog, events, std::nullopt);
    EXPECT_EQ(pass.dailyRun, step.dailyRun) << step.zoneTime;
    EXPECT_DOUBLE_EQ(observer.lastZoneTime, step.zoneTime);
    EXPECT_DOUBLE_EQ(observer.lastPosition.longitude, step.position.longitude);
  }
  // The record holds the last daily run's events: those of 22 June at 75.1 W.
  const AlmanacSnapshot fresh =
      TakeAlmanacSnapshot(EncodeDateTime(2026, 6, 22, 6, 0, 0), 5, DrPosition{42.0, 75.1});
  EXPECT_DOUBLE_EQ(events.sunrise, fresh.events.sunrise);
  EXPECT_DOUBLE_EQ(events.moonset, fresh.events.moonset);
}

TEST(ChartCompute, AnimatingShowsTheClocksMomentWhileTheDayFollowsTheZoneTime) {
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events{};
  ObserverState observer;
  observer.drPosition = {-33.9, -151.2};
  observer.zoneDescription = -10;
  observer.zoneTime = EncodeDateTime(2026, 1, 10, 12, 0, 0);
  const DateTime clock = EncodeDateTime(2026, 3, 1, 20, 30, 15);  // UT
  const ChartPass pass = ComputeChartPass(observer, catalog, events, clock);
  EXPECT_TRUE(pass.dailyRun);
  EXPECT_EQ(pass.moment.utDate.month, 3);
  EXPECT_EQ(pass.moment.utDate.day, 1);
  EXPECT_EQ(pass.moment.utClock.hour, 20);
  EXPECT_EQ(pass.moment.utClock.second, 15);
  EXPECT_EQ(pass.moment.zoneDate.day, 2);  // 06:30 the next morning at ZD -10
  EXPECT_EQ(pass.moment.zoneClock.hour, 6);
  EXPECT_DOUBLE_EQ(observer.lastZoneTime, observer.zoneTime);
  EXPECT_EQ(pass.latitudeText, "33\xB0" "54.0'S");
  EXPECT_EQ(pass.longitudeText, "151\xB0" "12.0'E");
  // The catalog is at the clock's moment, as a fresh computation for it has it.
  const AlmanacSnapshot atClock = TakeAlmanacSnapshot(clock + 10.0 / 24, -10, observer.drPosition);
  EXPECT_NEAR(catalog.hc[kSunIndex], atClock.catalog.hc[kSunIndex], 1e-9);
  EXPECT_NEAR(catalog.zn[kMoonIndex], atClock.catalog.zn[kMoonIndex], 1e-9);
}

}  // namespace
}  // namespace nocturna
