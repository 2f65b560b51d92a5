#pragma once
// From a UTC date and time to the precise engine's instant: TT = UTC + (TAI - UTC) + 32.184 s,
// with ERFA's leap seconds; UT1 = UTC + DUT1 from the bundled IERS table (or the user's DUT1).
// Before 1972 there were no leap seconds: the time given is taken as UT1 and TT = UT1 + Delta T
// from the 2020 spline model.
#include <optional>

#include "ephemeris/astro_moment.h"
#include "ephemeris/precise/dut1_table.h"
#include "ephemeris/precise/precise_instant.h"

namespace nocturna {

inline constexpr int kFirstPreciseYear = 1901;
inline constexpr int kLastPreciseYear = 2099;
inline constexpr double kLargestDut1Seconds = 2.0;  // a DUT1 given by the user, either sign

// Where the DUT1 used came from.
enum class Dut1Source {
  iersTable,          // the bundled IERS values and predictions, read at the moment
  heldAfterTable,     // after the last prediction (bundled or imported): its value, held
  given,              // the user's DUT1
  beforeLeapSeconds,  // before 1972: the time given is UT1 (DUT1 0 unless given)
  importedTable,      // an imported IERS file's values and predictions, read at the moment
};

// The table a DUT1 was read or held from: its kind and its last day.
struct Dut1TableStamp {
  const char* kind = nullptr;  // "bundled IERS", "Bulletin A" or "IERS finals"; null: none
  int lastMjd = 0;             // Modified Julian Date of its last day
};

// The bundled table: its kind and its last day.
Dut1TableStamp BundledDut1Table();

// The instant, or a refusal: error is then a fixed message and the instant is empty.
struct PreciseInstantOutcome {
  PreciseInstant instant;
  Dut1Source dut1Source = Dut1Source::iersTable;
  Dut1TableStamp dut1Table;  // for iersTable, importedTable and heldAfterTable
  const char* error = nullptr;
};

// The instant of a UTC calendar date (1901-2099) plus utcSeconds from its 0h (any value: the
// date moves by whole days; no leap second is counted inside the span). dut1Override, when
// given, is UT1 - UTC in seconds, within +-2 s. Otherwise DUT1 comes from `imported` where it
// covers the moment, else from the bundled table, else the later-ending table's last value is
// held.
PreciseInstantOutcome PreciseInstantOf(const CalendarDate& utcDate, double utcSeconds,
                                       std::optional<double> dut1Override,
                                       const Dut1Table* imported = nullptr);

// The same for a whole-second UTC clock time.
PreciseInstantOutcome PreciseInstantOf(const CalendarDate& utcDate, const ClockTime& utcClock,
                                       std::optional<double> dut1Override,
                                       const Dut1Table* imported = nullptr);

// The instant `seconds` later on both UT1 and TT (DUT1 and Delta T held).
PreciseInstant AdvancedInstant(const PreciseInstant& instant, double seconds);

}  // namespace nocturna
