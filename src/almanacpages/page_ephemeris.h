#pragma once
// The ephemeris as the pages state it: which one filled the values, and the Earth-rotation
// offsets it applied, read from the engine for the first moment a page covers.
#include <string>

#include "ephemeris/astro_moment.h"
#include "ephemeris/ephemeris_choice.h"
#include "navigation/ephemeris_report.h"

namespace nocturna {

// The ephemeris the pages are computed from: the precise one, as the paper pages are a
// navigator's reference, with the DUT1 or the imported IERS table of earthRotation.
EphemerisChoice AlmanacPagesEphemeris(const EphemerisChoice& earthRotation = {});

struct EphemerisStatement {
  EphemerisChoice choice;  // as asked for
  EphemerisReport used;    // as the engine used it at `at` 0h UTC: kind, DUT1, Delta T, refusal
  CalendarDate at;
};

// The statement of the choice at 0h UTC of the Greenwich date `date`.
EphemerisStatement EphemerisStatementAt(const EphemerisChoice& choice, const CalendarDate& date);

// "standard" or "precise".
const char* EphemerisName(EphemerisKind kind);

// One line for the foot of a page: "Precise, 0h UTC 2026-12-10: Delta T 69.2 s, DUT1 +0.05 s
// (Bulletin A to 2027-01-05)", or "Standard ephemeris: ... (no Delta T, no DUT1)".
std::string StatementLine(const EphemerisStatement& statement);

// The DUT1 figure with where it came from, and the Delta T figure ("not applied" for the
// standard theory).
std::string Dut1Text(const EphemerisStatement& statement);
std::string DeltaTText(const EphemerisStatement& statement);

}  // namespace nocturna
