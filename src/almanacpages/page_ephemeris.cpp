#include "almanacpages/page_ephemeris.h"

#include <cstdio>

namespace nocturna {
namespace {

bool Precise(const EphemerisStatement& statement) {
  return statement.used.kind == EphemerisKind::precise;
}

}  // namespace

EphemerisChoice AlmanacPagesEphemeris(const EphemerisChoice& earthRotation) {
  return EphemerisChoice{EphemerisKind::precise, earthRotation.dut1Seconds, earthRotation.dut1Table};
}

EphemerisStatement EphemerisStatementAt(const EphemerisChoice& choice, const CalendarDate& date) {
  return EphemerisStatement{choice, ReportEphemeris(choice, date, ClockTime{}), date};
}

const char* EphemerisName(EphemerisKind kind) {
  return kind == EphemerisKind::precise ? "precise" : "standard";
}

std::string DeltaTText(const EphemerisStatement& statement) {
  if (!Precise(statement)) return "not applied";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", statement.used.deltaTSeconds);
  return text;
}

std::string Dut1Text(const EphemerisStatement& statement) {
  if (!Precise(statement)) return "not applied (the time as given is UT)";
  char text[80];
  std::snprintf(text, sizeof text, "%+.2f s (%s)", statement.used.dut1Seconds,
                Dut1SourceText(statement.used).c_str());
  return text;
}

std::string StatementLine(const EphemerisStatement& statement) {
  char date[24];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", statement.at.year, statement.at.month,
                statement.at.day);
  if (Precise(statement)) {
    char text[128];
    std::snprintf(text, sizeof text, "Precise, 0h UTC %s: Delta T %.1f s, DUT1 %+.2f s (%s)", date,
                  statement.used.deltaTSeconds, statement.used.dut1Seconds, Dut1SourceText(statement.used).c_str());
    return text;
  }
  std::string line = "Standard ephemeris: the closed-form theories, UT as given (no Delta T, no DUT1)";
  if (statement.used.refusal != nullptr) line += "; the precise one refused: " + std::string(statement.used.refusal);
  return line;
}

}  // namespace nocturna
