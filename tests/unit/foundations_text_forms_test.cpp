#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "foundations/text_forms.h"
#include "navigation/event_times.h"

namespace nocturna {
namespace {

struct TextCase {
  std::string actual;
  std::string expected;
};

void ExpectTexts(const std::vector<TextCase>& cases) {
  for (std::size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(cases[i].actual, cases[i].expected) << "case " << i;
}

TEST(TextForms, PositionsAndDeclinations) {
  ExpectTexts({
      {FormatLatitude(0.0), "00\xB0" "00.0'Q"},
      {FormatLatitude(42.125), "42\xB0" "07.5'N"},
      {FormatLatitude(-33.5), "33\xB0" "30.0'S"},
      {FormatLatitude(41.99999), "42\xB0" "00.0'N"},
      {FormatLatitude(-0.00001), "00\xB0" "00.0'S"},
      {FormatLongitude(0.0), "000\xB0" "00.0'G"},
      {FormatLongitude(75.0), "075\xB0" "00.0'W"},
      {FormatLongitude(-0.001), "000\xB0" "00.1'E"},
      {FormatLongitude(-179.99999), "180\xB0" "00.0'E"},
      {FormatDeclination(0.0), "00\xB0" "00.0'Q"},
      {FormatDeclination(-23.44), "23\xB0" "26.4'S"},
      {FormatDeclination(7.0 + 59.96 / 60), "08\xB0" "00.0'N"},
  });
}

TEST(TextForms, HourAnglesReduceAfterRounding) {
  ExpectTexts({
      {FormatAngle360(-0.5), "359\xB0" "30.0'"},
      {FormatAngle360(720.0), "000\xB0" "00.0'"},
      {FormatAngle360(359.99999), "000\xB0" "00.0'"},
      {FormatAngle360(-0.00001), "000\xB0" "00.0'"},
      {FormatAngle360(99.9678), "099\xB0" "58.1'"},
      {FormatAngle360(-1080.25), "359\xB0" "45.0'"},
  });
}

TEST(TextForms, AltitudesAzimuthsAndAmplitude) {
  ExpectTexts({
      {FormatAltAz(45.5, true, 2), "45\xB0" "30.0'"},
      {FormatAltAz(-0.5, true, 2), "-00\xB0" "30.0'"},
      {FormatAltAz(-0.00001, true, 2), "00\xB0" "00.0'"},
      {FormatAltAz(-12.25, true, 2), "-12\xB0" "15.0'"},
      {FormatAltAz(7.5, true, 3), "007\xB0" "30.0'"},
      {FormatAltAz(359.99999, true, 3), "360\xB0" "00.0'"},
      {FormatAltAz(45.55, false, 2), "45.5\xB0"},
      {FormatAltAz(-0.5, false, 2), "-0.5\xB0"},
      {FormatAltAz(7.5, false, 3), "007.5\xB0"},
      {FormatAmplitude(12.34), "12.4\xB0N"},
      {FormatAmplitude(-3.0), "03.0\xB0S"},
      {FormatAmplitude(0.0), "00.1\xB0Q"},
  });
}

TEST(TextForms, DatesAndClockTimes) {
  ExpectTexts({
      {FormatLongDate(12, 6, 2026), "06 - December,2026"},
      {FormatLongDate(1, 31, 1999), "31 - January,1999"},
      {FormatLongDate(13, 1, 2000), "01 - ,2000"},
      {FormatClockTime(17, 5, 9), "17-05-09"},
      {FormatHoursMinutes(6.7), "0642"},
      {FormatHoursMinutes(6.9999), "0700"},
      {FormatHoursMinutes(0.0), "0000"},
      {FormatHoursMinutes(23.5), "2330"},
      {FormatHoursMinutes(-1.5), "-0130"},
  });
}

TEST(TextForms, AbsurdValuesGiveTextNotCrashes) {
  const double values[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 1e300, -1e300};
  for (double v : values) {
    EXPECT_FALSE(FormatLatitude(v).empty()) << v;
    EXPECT_FALSE(FormatLongitude(v).empty()) << v;
    EXPECT_FALSE(FormatAngle360(v).empty()) << v;
    EXPECT_FALSE(FormatAltAz(v, true, 3).empty()) << v;
    EXPECT_FALSE(FormatAltAz(v, false, 2).empty()) << v;
    EXPECT_FALSE(FormatHoursMinutes(v).empty()) << v;
  }
  EXPECT_EQ(FormatClockTime(-2147483647 - 1, 2147483647, 65535), "-2147483648-2147483647-65535");
}

TEST(EventTimes, ZoneTimesAndSentinelsInSlotOrder) {
  SunEventsRecord events;
  events.sunrise = 1.0;
  events.sunset = 23.0;
  events.civilMorning = kEventAboveAllDay;
  events.civilEvening = kEventBelowAllDay;
  events.nauticalMorning = 6.7;
  events.nauticalEvening = 12.0;
  events.moonrise = 0.0;
  events.moonset = 19.0;
  events.meridianPassage = 11.75;
  events.pvcMorning = kNoPrimeVertical;
  events.pvcEvening = 5.0;

  const EventTimeTexts west = FormatEventTimes(events, 5);
  const EventTimeTexts expectedWest = {"2000", "1800", "CP", "NR", "0142", "0700",
                                       "1900", "1400", "0645", "NC", "0000"};
  EXPECT_EQ(west, expectedWest);

  const EventTimeTexts east = FormatEventTimes(events, -3);
  const EventTimeTexts expectedEast = {"0400", "0200", "CP", "NR", "0942", "1500",
                                       "0300", "2200", "1445", "NC", "0800"};
  EXPECT_EQ(east, expectedEast);
}

TEST(EventTimes, AnEventOnAnotherDayReadsNone) {
  SunEventsRecord events;
  events.moonrise = kEventNotThisDay;
  events.sunset = kEventNotThisDay;
  const EventTimeTexts texts = FormatEventTimes(events, 5);
  EXPECT_EQ(texts[1], "none");
  EXPECT_EQ(texts[6], "none");
  EXPECT_TRUE(IsEventSentinel(kEventNotThisDay));
  EXPECT_FALSE(IsEventSentinel(-0.73));  // a morning prime-vertical crossing before 0h UT
}

}  // namespace
}  // namespace nocturna
