#include "ephemeris/precise/precise_time.h"

#include <erfa.h>

#include <cmath>
#include <iterator>

#include "ephemeris/precise/delta_t.h"
#include "ephemeris/precise/delta_t_table.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kTtMinusTai = 32.184;
constexpr double kFirstLeapSecondEraJd = 2441317.5;  // 1972 January 1, 0h UTC
constexpr double kMjdZero = 2400000.5;
constexpr char kBundledTable[] = "bundled IERS";

constexpr const char* kYearRefused = "the precise ephemeris covers the years 1901 to 2099";
constexpr const char* kDut1Refused = "DUT1 must be a number of seconds from -2 to +2";
constexpr const char* kDateRefused = "not a calendar date";

PreciseInstantOutcome Refused(const char* message) {
  PreciseInstantOutcome outcome;
  outcome.error = message;
  return outcome;
}

// DUT1 after the table: its last Delta T on the leap seconds known when it was made.
double HeldDut1() {
  return kTtMinusTai + kLeapSeconds[std::size(kLeapSeconds) - 1].taiMinusUtc -
         kIersDeltaT[std::size(kIersDeltaT) - 1];
}

// DUT1 from the tables at a UTC Modified Julian Date: the imported one where it covers the
// moment, else the bundled one, else the value of whichever ends later, held.
void TakeTabulatedDut1(PreciseInstantOutcome& outcome, double utcMjd, double taiMinusUtc,
                       const Dut1Table* imported) {
  PreciseInstant& instant = outcome.instant;
  const std::optional<double> importedValue = imported ? Ut1MinusTaiAt(*imported, utcMjd) : std::nullopt;
  const bool importedHeld = imported && !imported->Empty() && utcMjd > imported->LastMjd() &&
                            imported->LastMjd() > BundledDut1Table().lastMjd;
  if (importedValue || importedHeld) {
    outcome.dut1Source = importedValue ? Dut1Source::importedTable : Dut1Source::heldAfterTable;
    outcome.dut1Table = Dut1TableStamp{imported->kind, imported->LastMjd()};
    instant.dut1Seconds = importedValue.value_or(imported->ut1MinusTai.back()) + taiMinusUtc;
    return;
  }
  outcome.dut1Table = BundledDut1Table();
  if (instant.ttJd1 + instant.ttJd2 > LastTabulatedTtJd()) {
    outcome.dut1Source = Dut1Source::heldAfterTable;
    instant.dut1Seconds = HeldDut1();
  } else {
    outcome.dut1Source = Dut1Source::iersTable;
    instant.dut1Seconds = taiMinusUtc + kTtMinusTai - DeltaTSeconds(instant.ttJd1, instant.ttJd2);
  }
}

// Before 1972 the time given is UT1 (the time signals kept within 0.1 s of UT).
PreciseInstantOutcome BeforeLeapSeconds(double ut1, double dayFraction, std::optional<double> dut1Override) {
  PreciseInstantOutcome outcome;
  PreciseInstant& instant = outcome.instant;
  outcome.dut1Source = dut1Override ? Dut1Source::given : Dut1Source::beforeLeapSeconds;
  instant.dut1Seconds = dut1Override.value_or(0.0);
  instant.ut1Jd1 = ut1;
  instant.ut1Jd2 = dayFraction + instant.dut1Seconds / kSecondsPerDay;
  instant.deltaTSeconds = DeltaTSeconds(instant.ut1Jd1, instant.ut1Jd2);
  instant.ttJd1 = instant.ut1Jd1;
  instant.ttJd2 = instant.ut1Jd2 + instant.deltaTSeconds / kSecondsPerDay;
  return outcome;
}

}  // namespace

Dut1TableStamp BundledDut1Table() {
  return Dut1TableStamp{kBundledTable, static_cast<int>(std::floor(LastTabulatedTtJd() - kMjdZero))};
}

PreciseInstantOutcome PreciseInstantOf(const CalendarDate& utcDate, double utcSeconds,
                                       std::optional<double> dut1Override, const Dut1Table* imported) {
  if (dut1Override && !(std::fabs(*dut1Override) <= kLargestDut1Seconds)) return Refused(kDut1Refused);
  if (utcDate.year < kFirstPreciseYear || utcDate.year > kLastPreciseYear) return Refused(kYearRefused);
  if (!std::isfinite(utcSeconds)) return Refused(kDateRefused);
  double jd0 = 0;
  double mjd = 0;
  if (eraCal2jd(utcDate.year, utcDate.month, utcDate.day, &jd0, &mjd) != 0) return Refused(kDateRefused);
  const double days = std::floor(utcSeconds / kSecondsPerDay);
  const double utc1 = jd0 + mjd + days;  // 0h UTC of the day the seconds reach
  const double utc2 = utcSeconds / kSecondsPerDay - days;
  if (utc1 < kFirstLeapSecondEraJd) return BeforeLeapSeconds(utc1, utc2, dut1Override);

  // TAI - UTC of the UTC date (whole seconds since 1972); a leap second inside the day is not
  // counted, so a time of day stays the clock reading.
  int year = 0, month = 0, day = 0;
  double fraction = 0;
  double taiMinusUtc = 0;
  if (eraJd2cal(utc1, utc2, &year, &month, &day, &fraction) != 0 ||
      eraDat(year, month, day, fraction, &taiMinusUtc) < 0) {
    return Refused(kDateRefused);
  }
  PreciseInstantOutcome outcome;
  PreciseInstant& instant = outcome.instant;
  const double ttMinusUtc = taiMinusUtc + kTtMinusTai;
  instant.ttJd1 = utc1;
  instant.ttJd2 = utc2 + ttMinusUtc / kSecondsPerDay;
  if (dut1Override) {
    outcome.dut1Source = Dut1Source::given;
    instant.dut1Seconds = *dut1Override;
  } else {
    TakeTabulatedDut1(outcome, (utc1 - kMjdZero) + utc2, taiMinusUtc, imported);
  }
  instant.deltaTSeconds = ttMinusUtc - instant.dut1Seconds;
  instant.ut1Jd1 = utc1;
  instant.ut1Jd2 = utc2 + instant.dut1Seconds / kSecondsPerDay;
  return outcome;
}

PreciseInstantOutcome PreciseInstantOf(const CalendarDate& utcDate, const ClockTime& utcClock,
                                       std::optional<double> dut1Override, const Dut1Table* imported) {
  const double seconds = utcClock.hour * 3600.0 + utcClock.minute * 60.0 + utcClock.second;
  return PreciseInstantOf(utcDate, seconds, dut1Override, imported);
}

PreciseInstant AdvancedInstant(const PreciseInstant& instant, double seconds) {
  PreciseInstant later = instant;
  later.ut1Jd2 += seconds / kSecondsPerDay;
  later.ttJd2 += seconds / kSecondsPerDay;
  return later;
}

}  // namespace nocturna
