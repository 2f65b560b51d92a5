// Numbers, dates, times and positions as a person types them: the one reading the command line,
// the sight log and the windows share.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "foundations/calendar_text.h"
#include "foundations/coordinate_text.h"
#include "foundations/number_text.h"

namespace nocturna {
namespace {

constexpr double kNone = NAN;  // the text is refused

void ExpectReads(const std::optional<double>& read, double expected, const std::string& text) {
  if (std::isnan(expected)) {
    EXPECT_FALSE(read) << text << " read as " << read.value_or(0);
  } else {
    ASSERT_TRUE(read) << text;
    EXPECT_NEAR(*read, expected, 1e-9) << text;
  }
}

TEST(TypedValues, PositionsInEveryFormAndNoOther) {
  struct Case {
    const char* text;
    double latitude;   // north positive
    double longitude;  // WEST positive
  };
  const Case cases[] = {
      {"42N07.5", 42.125, kNone},
      {"075W30.0", kNone, 75.5},
      {"42.125s", -42.125, kNone},
      {"151E12", kNone, -151.2},
      // ISO 6709 signed decimal degrees, north and east positive: Rochester, NY is
      // +43.23669-077.53342, so -77.53342 is west.
      {"43.23669", 43.23669, -43.23669},
      {"-77.53342", -77.53342, 77.53342},
      {"+33.8667", 33.8667, -33.8667},
      {"90", 90, -90},
      {"180", kNone, -180},
      {"-180.0001", kNone, kNone},
      {"90N00.1", kNone, kNone},
      {"42N60.0", kNone, kNone},
      {"42.5N07", kNone, kNone},
      {"-75W", kNone, kNone},
      {"N42", kNone, kNone},
      {"1e2W", kNone, kNone},
      {"42.", kNone, kNone},
      {"--42", kNone, kNone},
      {"", kNone, kNone},
  };
  for (const Case& c : cases) {
    ExpectReads(ParseLatitude(c.text), c.latitude, std::string("latitude ") + c.text);
    ExpectReads(ParseLongitude(c.text), c.longitude, std::string("longitude ") + c.text);
  }
}

TEST(TypedValues, NumbersAreDecimalOrWholeWithNothingElse) {
  const std::pair<std::string, double> decimals[] = {
      {" 12.5 ", 12.5}, {"+0.3", 0.3},  {"-1.5", -1.5}, {"1e9", kNone},
      {"inf", kNone},   {"nan", kNone}, {"12x", kNone}, {"", kNone},
      {"1" + std::string(400, '0'), kNone},  // beyond a double
  };
  for (const auto& [text, expected] : decimals) ExpectReads(ParseDecimal(text), expected, text);
  EXPECT_EQ(ParseWholeNumber("-12"), -12);
  EXPECT_EQ(ParseWholeNumber("+366"), 366);
  EXPECT_EQ(ParseWholeNumber("999999999"), 999999999);
  for (const char* refused : {"1234567890", "1.0", "12b", "-", "", " 5"}) {
    EXPECT_FALSE(ParseWholeNumber(refused)) << refused;
  }
}

TEST(TypedValues, DatesAndTimesOfTheCalendarOnly) {
  EXPECT_EQ(DaysInMonth(2000, 2), 29);  // divisible by 400
  EXPECT_EQ(DaysInMonth(1900, 2), 28);  // by 100 only
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  const auto leapDay = ParseIsoDate("2024-02-29");
  ASSERT_TRUE(leapDay);
  EXPECT_EQ(leapDay->year * 10000 + leapDay->month * 100 + leapDay->day, 20240229);
  for (const char* refused : {"2023-02-29", "2100-01-01", "1900-12-31", "2015-6-1", "2015-13-01",
                              "2015-06-00", "2015/06/01"}) {
    EXPECT_FALSE(ParseIsoDate(refused)) << refused;
  }
  const auto time = ParseClockTime("23:59");
  ASSERT_TRUE(time);
  EXPECT_EQ(time->hour * 3600 + time->minute * 60 + time->second, 86340);
  for (const char* refused : {"24:00:00", "12:60:00", "12:00:60", "7:00:00", "12:00:0"}) {
    EXPECT_FALSE(ParseClockTime(refused)) << refused;
  }
  const auto moment = ParseDateAndTime("2026-12-09T18:40:05");
  ASSERT_TRUE(moment);
  EXPECT_EQ(moment->date.day * 100000 + moment->time.second, 900005);
  for (const char* refused : {"2026-12-09", "2026-12-09  18:40", "2026-12-09_18:40"}) {
    EXPECT_FALSE(ParseDateAndTime(refused)) << refused;
  }
}

}  // namespace
}  // namespace nocturna
