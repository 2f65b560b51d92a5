// The precise engine's time scales against Skyfield 1.45 (its own reading of the IERS daily
// values and of the 2020 Delta T splines) and ERFA's leap seconds against tzdata's list.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "ephemeris/precise/delta_t_table.h"
#include "ephemeris/precise/precise_time.h"

namespace nocturna {
namespace {

struct TimeScaleCase {
  CalendarDate utcDate;
  double utcSeconds;
  double dut1;    // UT1 - UTC, seconds (Skyfield)
  double deltaT;  // TT - UT1, seconds (Skyfield)
  Dut1Source source;
};

TEST(PreciseTime, Dut1AndDeltaTAgreeWithSkyfield) {
  const TimeScaleCase cases[] = {
      {{6, 15, 1990}, 12 * 3600.0, -0.0127, 57.1967, Dut1Source::iersTable},
      {{1, 26, 2005}, 0.0, -0.5177, 64.7017, Dut1Source::iersTable},
      {{6, 1, 2022}, 6 * 3600.0, -0.0956, 69.2796, Dut1Source::iersTable},
      // The last second before the 2017 leap second and the first after it.
      {{12, 31, 2016}, 86399.0, -0.4087, 68.5927, Dut1Source::iersTable},
      {{1, 1, 2017}, 0.0, 0.5913, 68.5927, Dut1Source::iersTable},
      {{1, 2, 1973}, 0.0, 0.8084, 43.3756, Dut1Source::iersTable},
  };
  for (const TimeScaleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.utcDate.year << "-" << c.utcDate.month << "-" << c.utcDate.day);
    const PreciseInstantOutcome outcome = PreciseInstantOf(c.utcDate, c.utcSeconds, std::nullopt);
    ASSERT_EQ(outcome.error, nullptr);
    EXPECT_EQ(outcome.dut1Source, c.source);
    EXPECT_NEAR(outcome.instant.dut1Seconds, c.dut1, 0.003);
    EXPECT_NEAR(outcome.instant.deltaTSeconds, c.deltaT, 0.003);
    // The two scales are ERFA's: TT - UT1 is Delta T to the microsecond.
    const double ttMinusUt1 = ((outcome.instant.ttJd1 - outcome.instant.ut1Jd1) +
                               (outcome.instant.ttJd2 - outcome.instant.ut1Jd2)) * 86400.0;
    EXPECT_NEAR(ttMinusUt1, outcome.instant.deltaTSeconds, 1e-5);
  }
}

TEST(PreciseTime, BeforeLeapSecondsTheTimeIsUt1AndDeltaTFromTheSplines) {
  // Skyfield's Delta T at the TT year (Table S15.2020); the time given is UT1 itself.
  const struct {
    CalendarDate date;
    double deltaT;
  } cases[] = {{{7, 2, 1901}, -0.078}, {{1, 1, 1920}, 21.615}, {{1, 1, 1950}, 28.932}, {{7, 2, 1965}, 35.497}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date.year);
    const PreciseInstantOutcome outcome = PreciseInstantOf(c.date, 0.0, std::nullopt);
    ASSERT_EQ(outcome.error, nullptr);
    EXPECT_EQ(outcome.dut1Source, Dut1Source::beforeLeapSeconds);
    EXPECT_EQ(outcome.instant.dut1Seconds, 0.0);
    EXPECT_NEAR(outcome.instant.deltaTSeconds, c.deltaT, 0.02);
    double jd0 = 0, mjd = 0;
    eraCal2jd(c.date.year, c.date.month, c.date.day, &jd0, &mjd);
    EXPECT_NEAR((outcome.instant.ut1Jd1 - jd0 - mjd) + outcome.instant.ut1Jd2, 0.0, 1e-9);
  }
}

TEST(PreciseTime, GivenDut1AndTheHeldPrediction) {
  const PreciseInstantOutcome given = PreciseInstantOf({3, 20, 2030}, ClockTime{12, 0, 0}, 0.25);
  ASSERT_EQ(given.error, nullptr);
  EXPECT_EQ(given.dut1Source, Dut1Source::given);
  EXPECT_DOUBLE_EQ(given.instant.dut1Seconds, 0.25);
  EXPECT_NEAR(given.instant.deltaTSeconds, 69.184 - 0.25, 1e-6);

  // After the last IERS prediction (2023 September) its DUT1 stays, within the +-0.9 s of UTC.
  const PreciseInstantOutcome held = PreciseInstantOf({3, 20, 2030}, ClockTime{12, 0, 0}, std::nullopt);
  ASSERT_EQ(held.error, nullptr);
  EXPECT_EQ(held.dut1Source, Dut1Source::heldAfterTable);
  EXPECT_NEAR(held.instant.dut1Seconds, 69.184 - kIersDeltaT[std::size(kIersDeltaT) - 1], 1e-9);
  EXPECT_LT(std::fabs(held.instant.dut1Seconds), 0.9);
}

TEST(PreciseTime, RefusesWhatItCannotServe) {
  const struct {
    CalendarDate date;
    std::optional<double> dut1;
    const char* message;
  } cases[] = {
      {{12, 31, 1900}, std::nullopt, "the precise ephemeris covers the years 1901 to 2099"},
      {{1, 1, 2100}, std::nullopt, "the precise ephemeris covers the years 1901 to 2099"},
      {{6, 1, 2020}, 2.5, "DUT1 must be a number of seconds from -2 to +2"},
      {{6, 1, 2020}, -2.01, "DUT1 must be a number of seconds from -2 to +2"},
      {{6, 1, 2020}, std::nan(""), "DUT1 must be a number of seconds from -2 to +2"},
      {{2, 30, 2020}, std::nullopt, "not a calendar date"},
  };
  for (const auto& c : cases) {
    const PreciseInstantOutcome outcome = PreciseInstantOf(c.date, 0.0, c.dut1);
    ASSERT_NE(outcome.error, nullptr);
    EXPECT_STREQ(outcome.error, c.message);
  }
  EXPECT_EQ(PreciseInstantOf({6, 1, 2020}, 0.0, 2.0).error, nullptr);
}

TEST(PreciseTime, ErfaLeapSecondsMatchThePublishedList) {
  for (const LeapSecondStep& step : kLeapSeconds) {
    int year = 0, month = 0, day = 0;
    double fraction = 0, taiMinusUtc = 0;
    eraJd2cal(2400000.5, step.mjd, &year, &month, &day, &fraction);
    ASSERT_GE(eraDat(year, month, day, 0.0, &taiMinusUtc), 0);
    EXPECT_EQ(taiMinusUtc, step.taiMinusUtc) << year << "-" << month << "-" << day;
  }
}

}  // namespace
}  // namespace nocturna
