#include "navigation/ephemeris_report.h"

namespace nocturna {

EphemerisReport ReportEphemeris(const EphemerisChoice& choice, const CalendarDate& utDate,
                                const ClockTime& utClock) {
  EphemerisReport report;
  if (choice.kind != EphemerisKind::precise) return report;
  const PreciseInstantOutcome outcome = PreciseInstantOf(utDate, utClock, choice.dut1Seconds);
  if (outcome.error != nullptr) {
    report.refusal = outcome.error;
    return report;
  }
  report.kind = EphemerisKind::precise;
  report.dut1Seconds = outcome.instant.dut1Seconds;
  report.deltaTSeconds = outcome.instant.deltaTSeconds;
  report.dut1Source = outcome.dut1Source;
  return report;
}

}  // namespace nocturna
