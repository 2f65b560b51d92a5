#include "almanacpages/almanac_passage.h"

#include <cstdio>

#include "almanacpages/page_dates.h"

namespace nocturna {

EphemerisChoice AlmanacPagesEphemeris() { return EphemerisChoice{EphemerisKind::precise, {}}; }

EphemerisStatement EphemerisStatementOf(const EphemerisChoice& choice) {
  EphemerisStatement statement;
  statement.choice = choice;
  if (choice.kind == EphemerisKind::precise) statement.dut1Seconds = choice.dut1Seconds;
  return statement;
}

const char* EphemerisName(EphemerisKind kind) {
  return kind == EphemerisKind::precise ? "precise" : "standard";
}

std::string StatementLine(const EphemerisStatement& statement) {
  if (statement.choice.kind == EphemerisKind::standard) {
    return "Standard ephemeris: the closed-form theories, UT as given (no Delta T, no DUT1)";
  }
  char deltaT[48] = "Delta T from the leap-second table";
  char dut1[48] = "DUT1 from the bundled table";
  if (statement.deltaTSeconds) std::snprintf(deltaT, sizeof deltaT, "Delta T %.1f s", *statement.deltaTSeconds);
  if (statement.dut1Seconds) std::snprintf(dut1, sizeof dut1, "DUT1 %+.2f s", *statement.dut1Seconds);
  return std::string("Precise ephemeris: ") + deltaT + ", " + dut1;
}

std::string CheckPassage(const CalendarDate& from, int days) {
  if (days < kMinPassageDays || days > kMaxPassageDays) {
    return "the passage must have " + std::to_string(kMinPassageDays) + " to " +
           std::to_string(kMaxPassageDays) + " days, not " + std::to_string(days);
  }
  const CalendarDate last = DateAfter(from, days - 1);
  if (from.year < kFirstPassageYear || last.year > kLastPassageYear) {
    return "the passage must lie in the years " + std::to_string(kFirstPassageYear) + " to " +
           std::to_string(kLastPassageYear);
  }
  return {};
}

int OpeningCount(int days) { return (days + kOpeningDays - 1) / kOpeningDays; }

AlmanacPassage ComputeAlmanacPassage(const CalendarDate& from, int days,
                                     const EphemerisStatement& ephemeris) {
  AlmanacPassage passage{from, days, ephemeris, {}};
  const int openings = OpeningCount(days);
  passage.openings.reserve(openings);
  for (int i = 0; i < openings; ++i) {
    passage.openings.push_back(
        ComputeAlmanacOpening(DateAfter(from, kOpeningDays * i), ephemeris.choice));
  }
  return passage;
}

}  // namespace nocturna
