// Jumps of the zone time to the day's Sun events, and the three explanations.
#include <gtest/gtest.h>

#include "chart/event_navigation.h"

namespace nocturna {
namespace {

TEST(EventNavigation, EventTimesBecomeZoneTimesOnTheSameZoneDate) {
  const DateTime zoneTime = EncodeDateTime(2026, 6, 21, 14, 20, 0);
  struct Case {
    double event;
    int zd;
    int hour, minute;
    int dayOffset;
  } const cases[] = {
      {10.5, 5, 5, 30, 0},    // sunrise in the west: 05:30
      {20.0, -10, 6, 0, 0},   // 30 - 24 on the same zone date
      {2.0, 5, 21, 0, 0},     // -3 + 24
      {12.0, -12, 0, 0, 1},   // 24 exactly stays 24: next midnight
      {0.0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const EventJump jump = JumpToEvent(zoneTime, c.event, c.zd, SunEventKind::RiseSetOrTwilight);
    ASSERT_TRUE(jump.moved);
    const DateTime expected = EncodeDateTime(2026, 6, 21 + c.dayOffset, c.hour, c.minute, 0);
    EXPECT_NEAR(jump.zoneTime, expected, 1e-9)
        << c.event << " " << c.zd << " difference " << jump.zoneTime - expected;
  }
}

TEST(EventNavigation, SentinelsAreExplainedAndMoveNothing) {
  const DateTime zoneTime = EncodeDateTime(2026, 6, 21, 14, 20, 0);
  struct Case {
    double event;
    SunEventKind kind;
    const char* message;
  } const cases[] = {
      {-2.0, SunEventKind::RiseSetOrTwilight, "Sun does not rise."},
      {-1.0, SunEventKind::RiseSetOrTwilight, "Sun is circumpolar."},
      {-3.0, SunEventKind::PrimeVertical, "Sun does not cross the Prime Vertical."},
  };
  for (const Case& c : cases) {
    const EventJump jump = JumpToEvent(zoneTime, c.event, 5, c.kind);
    EXPECT_FALSE(jump.moved);
    EXPECT_EQ(jump.message, c.message);
  }
  // The meridian passage has no sentinel, and a PVC time is a time.
  EXPECT_TRUE(JumpToEvent(zoneTime, 16.9, 5, SunEventKind::Meridian).moved);
  EXPECT_TRUE(JumpToEvent(zoneTime, 13.2, 5, SunEventKind::PrimeVertical).moved);
}

}  // namespace
}  // namespace nocturna
