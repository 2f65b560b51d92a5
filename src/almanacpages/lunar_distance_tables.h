#pragma once
// Lunar distances for the pages: the predicted geocentric angle between the centres of the Moon
// and of the Sun, the planets and the usual lunar stars every three hours of UT, for a navigator
// who clears an observed distance to find Greenwich time.
#include <array>
#include <string>
#include <vector>

#include "almanacpages/page_sheet.h"
#include "almanacpages/value_table.h"
#include "ephemeris/ephemeris_choice.h"
#include "ephemeris/astro_moment.h"

namespace nocturna {

inline constexpr int kLunarDistanceTimes = 9;  // 0h, 3h, ... 24h
inline constexpr int kLunarDistanceDaysPerPage = 3;

// Sun, Venus, Mars, Jupiter, Saturn, then Hamal, Aldebaran, Pollux, Regulus, Spica, Antares,
// Altair, Fomalhaut and Markab (catalog positions).
inline constexpr int kLunarDistanceBodies[] = {62, 58, 59, 60, 61, 6, 10, 21, 26, 33, 42, 51, 56, 57};

struct LunarDistanceRow {
  int bodyIndex = 0;
  std::array<long, kLunarDistanceTimes> tenths{};  // tenths of arc-minute
};

// The day's rows: the bodies whose distance stays between 15 and 125 degrees from 0h to 24h, in
// the order above.
struct LunarDistanceDay {
  CalendarDate date;
  std::vector<LunarDistanceRow> rows;
};
LunarDistanceDay ComputeLunarDistances(const CalendarDate& date, const EphemerisChoice& choice);

// The body's name as the pages print it.
std::string LunarBodyName(int bodyIndex);

// The day's values: an hour column, then one column per body.
ValueTable LunarDistanceTable(const LunarDistanceDay& day);

// Three days a page.
std::vector<Sheet> LunarDistanceSheets(const std::vector<LunarDistanceDay>& days);
int LunarDistancePageCount(int days);

}  // namespace nocturna
