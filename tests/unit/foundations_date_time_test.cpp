#include <gtest/gtest.h>

#include <cmath>

#include "foundations/date_time.h"

namespace nocturna {
namespace {

void ExpectDecoded(DateTime value, DecodedDateTime expected) {
  const DecodedDateTime d = DecodeDateTime(value);
  EXPECT_EQ(d.year, expected.year) << value;
  EXPECT_EQ(d.month, expected.month) << value;
  EXPECT_EQ(d.day, expected.day) << value;
  EXPECT_EQ(d.hour, expected.hour) << value;
  EXPECT_EQ(d.minute, expected.minute) << value;
  EXPECT_EQ(d.second, expected.second) << value;
  EXPECT_EQ(d.millisecond, expected.millisecond) << value;
}

TEST(DateTimeValue, KnownDayNumbers) {
  // Day numbers of the 1899-12-30 epoch as spreadsheets and Delphi count them.
  struct Case {
    int year, month, day, hour, minute, second;
    double value;
  };
  const Case cases[] = {{1899, 12, 30, 0, 0, 0, 0.0},       {1900, 1, 1, 12, 0, 0, 2.5},
                        {2000, 1, 1, 0, 0, 0, 36526.0},     {2026, 12, 6, 18, 0, 0, 46362.75},
                        {1899, 12, 29, 6, 0, 0, -1.25},     {2000, 2, 29, 0, 0, 0, 36585.0},
                        {2000, 13, 1, 0, 0, 0, 36892.0},    {2000, 1, 1, 24, 0, 0, 36527.0}};
  for (const Case& c : cases) {
    const DateTime v = EncodeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second);
    EXPECT_NEAR(v, c.value, 1e-9) << c.year << "-" << c.month << "-" << c.day;
  }
  ExpectDecoded(-1.25, {1899, 12, 29, 6, 0, 0, 0});
  ExpectDecoded(46362.75, {2026, 12, 6, 18, 0, 0, 0});
  EXPECT_EQ(DayOfDateTime(-1.25), -1);
  EXPECT_EQ(DayOfDateTime(46362.75), 46362);
}

TEST(DateTimeValue, RoundTripsAndRounding) {
  // Half-second steps across a day survive encode then decode.
  for (int half = 0; half < 2 * 86400; half += 7) {
    const int ms = half * 500;
    const DateTime v = EncodeDateTime(2026, 3, 1, 0, 0, 0, ms);
    ExpectDecoded(v, {2026, 3, 1, ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000});
  }
  // Just short of midnight is midnight of the next day, never second 60.
  ExpectDecoded(EncodeDateTime(1999, 12, 31, 0, 0, 0) + 0.99999999999, {2000, 1, 1, 0, 0, 0, 0});
  ExpectDecoded(EncodeDateTime(2000, 1, 1, 23, 59, 59) + 0.0004 / 86400, {2000, 1, 1, 23, 59, 59, 0});
  // Absurd values are clamped, never crash.
  ExpectDecoded(std::nan(""), {1899, 12, 30, 0, 0, 0, 0});
  EXPECT_EQ(DecodeDateTime(1e300).year, 9999);
  EXPECT_EQ(DecodeDateTime(-1e300).year, 1);
}

}  // namespace
}  // namespace nocturna
