#pragma once
// A passage: the days from a first Greenwich date, in openings of three days, with the statement
// of the ephemeris that computed them.
#include <string>
#include <vector>

#include "almanacpages/almanac_opening.h"
#include "almanacpages/page_ephemeris.h"
#include "ephemeris/ephemeris_choice.h"

namespace nocturna {

inline constexpr int kMinPassageDays = 1;
inline constexpr int kMaxPassageDays = 366;
inline constexpr int kFirstPassageYear = 1901;
inline constexpr int kLastPassageYear = 2099;

struct AlmanacPassage {
  CalendarDate from;  // the first Greenwich date
  int days = 0;       // kMinPassageDays..kMaxPassageDays
  EphemerisStatement ephemeris;  // at the first day
  std::vector<AlmanacOpening> openings;  // ceil(days / 3); the last may run past the passage
};

// Empty when the passage can be computed, else the reason: a day count outside 1..366 or a
// passage whose openings, the last completed to three days, leave the years 1901..2099.
std::string CheckPassage(const CalendarDate& from, int days);

// The number of openings of a passage of `days` days.
int OpeningCount(int days);

// Computes every opening from the chosen ephemeris; the passage must have passed CheckPassage.
AlmanacPassage ComputeAlmanacPassage(const CalendarDate& from, int days,
                                     const EphemerisChoice& choice);

}  // namespace nocturna
