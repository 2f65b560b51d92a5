#pragma once
// Which ephemeris fills the records for a moment, and with which Earth-rotation values: what
// the window title, the report header and the JSON say.
#include <string>

#include "ephemeris/astro_moment.h"
#include "ephemeris/ephemeris_choice.h"
#include "ephemeris/precise/precise_time.h"

namespace nocturna {

struct EphemerisReport {
  EphemerisKind kind = EphemerisKind::standard;  // the one actually used
  double dut1Seconds = 0.0;    // UT1 - UTC, precise only
  double deltaTSeconds = 0.0;  // TT - UT1, precise only
  Dut1Source dut1Source = Dut1Source::iersTable;
  Dut1TableStamp dut1Table;  // the table the DUT1 was read or held from
  // When the precise ephemeris was chosen but refused the moment or the DUT1: a fixed message;
  // the standard theory then fills the records.
  const char* refusal = nullptr;
};

// The ephemeris the snapshot functions use for the choice at the moment (UTC date and time in
// precise mode, UT as typed in standard mode).
EphemerisReport ReportEphemeris(const EphemerisChoice& choice, const CalendarDate& utDate,
                                const ClockTime& utClock);

// Where the DUT1 came from, for every report: "Bulletin A to 2027-01-05", "bundled IERS
// to 2023-09-12, held", "given" or "before 1972: the time is UT1".
std::string Dut1SourceText(const EphemerisReport& report);

}  // namespace nocturna
