#include "navigation/ephemeris_report.h"

namespace nocturna {

EphemerisReport ReportEphemeris(const EphemerisChoice& choice, const CalendarDate& utDate,
                                const ClockTime& utClock) {
  EphemerisReport report;
  if (choice.kind != EphemerisKind::precise) return report;
  const PreciseInstantOutcome outcome = PreciseInstantOf(utDate, utClock, choice.dut1Seconds, choice.dut1Table.get());
  if (outcome.error != nullptr) {
    report.refusal = outcome.error;
    return report;
  }
  report.kind = EphemerisKind::precise;
  report.dut1Seconds = outcome.instant.dut1Seconds;
  report.deltaTSeconds = outcome.instant.deltaTSeconds;
  report.dut1Source = outcome.dut1Source;
  report.dut1Table = outcome.dut1Table;
  return report;
}

std::string Dut1SourceText(const EphemerisReport& report) {
  switch (report.dut1Source) {
    case Dut1Source::given: return "given";
    case Dut1Source::beforeLeapSeconds: return "before 1972: the time is UT1";
    case Dut1Source::iersTable:
    case Dut1Source::importedTable:
    case Dut1Source::heldAfterTable: break;
  }
  if (report.dut1Table.kind == nullptr) return "";
  return std::string(report.dut1Table.kind) + " to " + MjdDateText(report.dut1Table.lastMjd) +
         (report.dut1Source == Dut1Source::heldAfterTable ? ", held" : "");
}

}  // namespace nocturna
