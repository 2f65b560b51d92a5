#pragma once
// A passage: the days from a first Greenwich date, in openings of three days, with the statement
// of the ephemeris that computed them.
#include <optional>
#include <string>
#include <vector>

#include "almanacpages/almanac_opening.h"
#include "ephemeris/ephemeris_choice.h"

namespace nocturna {

inline constexpr int kMinPassageDays = 1;
inline constexpr int kMaxPassageDays = 366;
inline constexpr int kFirstPassageYear = 1901;
inline constexpr int kLastPassageYear = 2099;

// The ephemeris as the pages state it: its name, and the time offsets it applied (seconds),
// empty when it applies none or its value is not known here.
struct EphemerisStatement {
  EphemerisChoice choice;
  std::optional<double> deltaTSeconds;  // TT - UT1
  std::optional<double> dut1Seconds;    // UT1 - UTC
};

// The ephemeris the pages are computed from: the precise one, as the paper pages are a
// navigator's reference (with the standard theory until the precise engine fills the records).
EphemerisChoice AlmanacPagesEphemeris();

// What the choice itself says: the standard theory applies neither offset; the precise one
// states the DUT1 it was given.
EphemerisStatement EphemerisStatementOf(const EphemerisChoice& choice);

// "standard" or "precise".
const char* EphemerisName(EphemerisKind kind);

// One line for the pages: "Standard ephemeris: closed-form theories, UT as given (no Delta T,
// no DUT1)" or "Precise ephemeris: Delta T 69.2 s, DUT1 +0.10 s".
std::string StatementLine(const EphemerisStatement& statement);

struct AlmanacPassage {
  CalendarDate from;  // the first Greenwich date
  int days = 0;       // kMinPassageDays..kMaxPassageDays
  EphemerisStatement ephemeris;
  std::vector<AlmanacOpening> openings;  // ceil(days / 3); the last may run past the passage
};

// Empty when the passage can be computed, else the reason: a day count outside 1..366 or a
// passage that leaves the years 1901..2099.
std::string CheckPassage(const CalendarDate& from, int days);

// The number of openings of a passage of `days` days.
int OpeningCount(int days);

// Computes every opening; the passage must have passed CheckPassage.
AlmanacPassage ComputeAlmanacPassage(const CalendarDate& from, int days,
                                     const EphemerisStatement& ephemeris);

}  // namespace nocturna
